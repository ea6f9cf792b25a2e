#include "TextureCommand.h"

#include "DdsWriter.h"
#include "PixelConversion.h"

#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>

#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Error usage of Q5XExporterWriteTexture(filename, width, height, channels, arraySize, type, data):\n"
    "  type: \"unorm\" (0 - 255) or \"half\" (-32768.0 - 32767.0) or \"float\" (-1.17549e-38 - 3.40282e+38)\n"
    "  data: array of doubles\n";

constexpr unsigned int kArgumentCount = 7;

struct TextureArguments {
    std::string filename;
    int width = 0;
    int height = 0;
    int channels = 0;
    int arraySize = 0;
    std::string type;
    MDoubleArray data;
};

bool readArguments(const MArgList& args, TextureArguments& out) {
    if (args.length() != kArgumentCount) return false;
    MStatus status;
    out.filename = args.asString(0, &status).asChar();
    if (status) out.width = args.asInt(1, &status);
    if (status) out.height = args.asInt(2, &status);
    if (status) out.channels = args.asInt(3, &status);
    if (status) out.arraySize = args.asInt(4, &status);
    if (status) out.type = args.asString(5, &status).asChar();
    unsigned int dataIndex = 6;
    if (status) out.data = args.asDoubleArray(dataIndex, &status);
    return static_cast<bool>(status);
}

MStatus usageFailure() {
    MGlobal::displayWarning(kUsage);
    return MStatus::kFailure;
}

}  // namespace

MStatus runWriteTexture(const MArgList& args) {
    TextureArguments arguments;
    // A texture has at least one pixel each way; a negative size would turn into a huge one.
    if (!readArguments(args, arguments) || arguments.width <= 0 || arguments.height <= 0) return usageFailure();

    const DdsStorage storage = parseDdsStorage(arguments.type.c_str());
    if (storage == DdsStorage::Unknown) return MStatus::kFailure;
    const DdsDescription description{static_cast<std::uint32_t>(arguments.width),
                                     static_cast<std::uint32_t>(arguments.height),
                                     static_cast<std::uint32_t>(arguments.channels),
                                     arguments.arraySize < 1 ? 1u : static_cast<std::uint32_t>(arguments.arraySize),
                                     storage};
    // Channel counts the format cannot describe write nothing, as they always have.
    if (description.channels != 1 && description.channels != 2 && description.channels != 4) {
        return MStatus::kSuccess;
    }
    const std::uint64_t dataSize = ddsDataSize(description);
    if (dataSize > kMaxDdsDataSize) {
        MGlobal::displayWarning(MString(("Q5XExporterWriteTexture: " + arguments.filename +
                                         ": the texture is larger than a DDS file written in one piece can hold")
                                            .c_str()));
        return MStatus::kFailure;
    }
    const std::size_t channelCount = static_cast<std::size_t>(dataSize / bytesPerChannel(storage));
    if (arguments.data.length() < channelCount) return usageFailure();

    // One spare byte keeps the buffer valid for an empty texture.
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(dataSize) + 1);
    if (channelCount > 0) convertChannels(&arguments.data[0], channelCount, storage, pixels.data());
    const DdsWriteResult result = writeDdsFile(arguments.filename, description, pixels.data());
    return result == DdsWriteResult::Written ? MStatus::kSuccess : MStatus::kFailure;
}
