//Maya ASCII 2016 scene
requires maya "2016";
createNode transform -n "a";
addAttr -ln "c0" -at compound -nc 1;
addAttr -ln "c1" -p "c0" -at compound -nc 1;
