#include "BtSerializerWrapper.h"

#include <cstdlib>
#include <new>

namespace Bt2PhysicsSerialization {

namespace {

// Marks the chunks as this wrapper's: no structure table stands behind them.
constexpr int kNoStructure = int(0xDEADDEAD);

}  // namespace

BtSerializerWrapper::~BtSerializerWrapper() {
    for (btChunk* chunk : chunks_) {
        std::free(chunk->m_oldPtr);
        delete chunk;
    }
}

const btChunk* BtSerializerWrapper::chunkOf(const void* address) const {
    const auto found = byAddress_.find(address);
    return found == byAddress_.end() ? nullptr : found->second;
}

btChunk* BtSerializerWrapper::allocate(size_t size, int numElements) {
    const std::size_t bytes = size * std::size_t(numElements > 0 ? numElements : 0);
    auto chunk = std::make_unique<btChunk>();
    chunk->m_oldPtr = std::calloc(bytes > 0 ? bytes : 1, 1);
    if (!chunk->m_oldPtr) throw std::bad_alloc();
    chunk->m_length = int(bytes);
    chunk->m_number = numElements;
    chunk->m_chunkCode = 0;
    chunk->m_dna_nr = 0;
    chunks_.push_back(chunk.get());
    return chunk.release();
}

void BtSerializerWrapper::finalizeChunk(btChunk* chunk, const char*, int chunkCode, void* oldPtr) {
    chunk->m_chunkCode = chunkCode;
    chunk->m_dna_nr = kNoStructure;
    byAddress_[oldPtr] = chunk;
}

}  // namespace Bt2PhysicsSerialization
