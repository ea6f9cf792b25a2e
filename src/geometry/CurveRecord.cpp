#include "CurveRecord.h"

#include "saveutil/LittleEndianBytes.h"

namespace {

// Lengths and counts go out as 32-bit numbers, names padded to 4 bytes.
constexpr std::size_t kLargestField = 0xFFFFFFF0u;

void appendPaddedName(Q5XSaveUtil::LittleEndianBytes& out, const std::string& name) {
    out.u32(std::uint32_t(name.size()));
    const std::size_t start = out.size();
    out.text(name);
    out.pad(start, 4);
}

}  // namespace

bool serializeCurveRecord(const std::string& name, std::uint32_t shapeId, const CubicSpline& spline, CompanionRecord& record,
                          std::string& error) {
    bool fits = name.size() <= kLargestField && spline.points.size() <= kLargestField / 12 && spline.channels.size() <= kLargestField;
    for (const CubicSpline::Channel& channel : spline.channels) {
        fits = fits && channel.name.size() <= kLargestField && channel.values.size() == spline.points.size();
    }
    if (!fits) {
        error = "its name, point count or value channels do not fit the record";
        return false;
    }
    record.kind = kCompanionRecordNurbsCurve;
    record.bytes.clear();
    record.bytes.reserve(name.size() + 24 + 12 * spline.points.size());
    Q5XSaveUtil::LittleEndianBytes out(record.bytes);
    appendPaddedName(out, name);
    out.u32(shapeId);
    out.u32(spline.closed ? 1u : 0u);
    out.u32(std::uint32_t(spline.points.size()));
    for (const auto& point : spline.points) {
        for (const float coordinate : point) out.f32(coordinate);
    }
    out.u32(std::uint32_t(spline.channels.size()));
    for (const CubicSpline::Channel& channel : spline.channels) {
        appendPaddedName(out, channel.name);
        out.floats(channel.values);
    }
    return true;
}
