#include "charset/character_table.h"

#include <limits>

namespace kz {

const CharacterRecord* CharacterTable::find(char16_t c) const {
    const std::uint16_t block = blockOf_[c >> 8];
    if (block == 0) return nullptr;
    const std::uint16_t slot = blocks_[block - 1][c & 0xFF];
    return slot == 0 ? nullptr : &records_[slot - 1];
}

void CharacterTable::assign(std::vector<CharacterRecord> records) {
    // The index holds table index + 1 in 16 bits; lines past that cannot be indexed.
    constexpr std::size_t kMaxRecords = std::numeric_limits<std::uint16_t>::max();
    if (records.size() > kMaxRecords) records.resize(kMaxRecords);
    records_ = std::move(records);
    blockOf_.fill(0);
    blocks_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const auto slot = static_cast<std::uint16_t>(i + 1);
        slotFor(records_[i].code) = slot;
        // An upper-case code of 0 means "no partner": it must not claim the entry of NUL.
        if (records_[i].upperCode != 0) slotFor(records_[i].upperCode) = slot;
    }
    blocks_.shrink_to_fit();
}

std::uint16_t& CharacterTable::slotFor(char16_t c) {
    std::uint16_t& block = blockOf_[c >> 8];
    if (block == 0) {
        blocks_.emplace_back();  // value-initialised: no record yet
        block = static_cast<std::uint16_t>(blocks_.size());
    }
    return blocks_[block - 1][c & 0xFF];
}

}  // namespace kz
