//Maya ASCII 2016 scene
//Name: duplicate_names.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "box";
createNode transform -n "a";
createNode transform -n "box" -p "a";
createNode transform -n "b";
createNode transform -n "box" -p "b";
createNode transform -n "lid" -p "|b|box";
createNode transform -n "unique" -p "|a|box";
// End of duplicate_names.ma
