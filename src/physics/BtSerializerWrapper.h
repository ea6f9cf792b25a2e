#ifndef Q5X_PHYSICS_BTSERIALIZERWRAPPER_H
#define Q5X_PHYSICS_BTSERIALIZERWRAPPER_H

#include <LinearMath/btSerializer.h>

#include <map>
#include <memory>
#include <vector>

namespace Bt2PhysicsSerialization {

// A Bullet serializer that keeps each chunk it is given on its own, found by the address of the
// object it was made from: the BVH's data record holds those addresses, and the blob writer
// copies each array out of its chunk.
class BtSerializerWrapper : public btSerializer {
public:
    BtSerializerWrapper() = default;
    ~BtSerializerWrapper() override;
    BtSerializerWrapper(const BtSerializerWrapper&) = delete;
    BtSerializerWrapper& operator=(const BtSerializerWrapper&) = delete;

    // The chunk serialized from the object at `address`; null when none was.
    const btChunk* chunkOf(const void* address) const;

    const unsigned char* getBufferPointer() const override { return nullptr; }
    int getCurrentBufferSize() const override { return 0; }
    btChunk* allocate(size_t size, int numElements) override;
    void finalizeChunk(btChunk* chunk, const char* structType, int chunkCode, void* oldPtr) override;
    void* findPointer(void* oldPtr) override { return oldPtr; }
    void* getUniquePointer(void* oldPtr) override { return oldPtr; }
    void startSerialization() override {}
    void finishSerialization() override {}
    const char* findNameForPointer(const void*) const override { return nullptr; }
    void registerNameForPointer(const void*, const char*) override {}
    void serializeName(const char*) override {}
    int getSerializationFlags() const override { return 0; }
    void setSerializationFlags(int) override {}
    int getNumChunks() const override { return int(chunks_.size()); }
    const btChunk* getChunk(int chunkIndex) const override { return chunks_[std::size_t(chunkIndex)]; }

private:
    std::vector<btChunk*> chunks_;
    std::map<const void*, const btChunk*> byAddress_;
};

}  // namespace Bt2PhysicsSerialization

#endif
