#include "platform/core/ole2.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <stdexcept>

namespace {

constexpr std::uint32_t freeSector = 0xFFFFFFFF;
constexpr std::uint32_t endOfChain = 0xFFFFFFFE;
constexpr std::uint32_t allocationSector = 0xFFFFFFFD;
constexpr std::uint32_t noStream = 0xFFFFFFFF;
constexpr std::size_t sectorSize = 512;
constexpr std::size_t miniSectorSize = 64;
constexpr std::size_t miniStreamCutoff = 4096;
constexpr std::size_t entriesPerSector = sectorSize / 4;
constexpr std::size_t headerAllocationSlots = 109;
constexpr std::size_t directoryEntrySize = 128;

std::size_t sectorsFor(std::size_t bytes, std::size_t size) { return (bytes + size - 1) / size; }

void put16(std::string& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
}

void put32(std::string& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Links `count` consecutive units from `first` into one chain of a table.
void chain(std::vector<std::uint32_t>& table, std::size_t first, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        table[first + i] = i + 1 < count ? static_cast<std::uint32_t>(first + i + 1) : endOfChain;
}

struct Entry {
    std::string name;
    std::uint8_t type = 0;  // 2 stream, 5 root
    std::uint8_t colour = 1;  // 0 red, 1 black
    std::uint32_t left = noStream, right = noStream, child = noStream;
    std::uint32_t start = endOfChain;
    std::uint32_t size = 0;
};

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The storage's children form a red-black tree ordered by name length, then by
// the upper-cased name. Splitting the sorted list at its middle gives a tree
// whose levels are all full but the last; colouring that last level red (when it
// is not full) keeps every path to a leaf at the same number of black nodes.
std::uint32_t buildTree(std::vector<Entry>& entries, const std::vector<std::uint32_t>& sorted) {
    std::vector<int> depth(entries.size(), 0);
    const std::function<std::uint32_t(int, int, int)> build = [&](int lo, int hi, int level) -> std::uint32_t {
        if (lo > hi) return noStream;
        const int mid = lo + (hi - lo) / 2;
        const std::uint32_t index = sorted[static_cast<std::size_t>(mid)];
        depth[index] = level;
        entries[index].left = build(lo, mid - 1, level + 1);
        entries[index].right = build(mid + 1, hi, level + 1);
        return index;
    };
    const std::uint32_t root = build(0, static_cast<int>(sorted.size()) - 1, 0);
    int deepest = 0;
    for (std::uint32_t index : sorted) deepest = std::max(deepest, depth[index]);
    const bool full = sorted.size() + 1 == (std::size_t{1} << (deepest + 1));
    for (std::uint32_t index : sorted) entries[index].colour = (!full && depth[index] == deepest) ? 0 : 1;
    return root;
}

void writeEntry(std::string& out, std::size_t at, const Entry& e) {
    if (!e.name.empty()) {
        for (std::size_t i = 0; i < e.name.size(); ++i) put16(out, at + 2 * i, static_cast<unsigned char>(e.name[i]));
        put16(out, at + 64, static_cast<std::uint16_t>((e.name.size() + 1) * 2));
    }
    out[at + 66] = static_cast<char>(e.type);
    out[at + 67] = static_cast<char>(e.type == 0 ? 0 : e.colour);
    put32(out, at + 68, e.left);
    put32(out, at + 72, e.right);
    put32(out, at + 76, e.child);
    put32(out, at + 116, e.type == 0 ? 0 : e.start);
    put32(out, at + 120, e.size);
}

}  // namespace

std::string compoundFile(const std::vector<CompoundStream>& streams) {
    for (const CompoundStream& s : streams) {
        if (s.name.empty() || s.name.size() > 31) throw std::invalid_argument("stream name length");
        for (char c : s.name)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E || c == '/' ||
                c == '\\' || c == ':' || c == '!')
                throw std::invalid_argument("stream name character");
        if (s.bytes.size() > 0x7FFFFFFF) throw std::length_error("stream too large");
    }

    // Small streams, each padded to whole mini sectors, make up the mini stream.
    std::string miniStream;
    std::vector<std::uint32_t> miniTable;
    std::vector<std::uint32_t> miniStart(streams.size(), endOfChain);
    std::size_t bigSectors = 0;
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const std::size_t size = streams[i].bytes.size();
        if (size == 0) continue;
        if (size < miniStreamCutoff) {
            const std::size_t first = miniTable.size();
            const std::size_t count = sectorsFor(size, miniSectorSize);
            miniStart[i] = static_cast<std::uint32_t>(first);
            miniTable.resize(first + count, freeSector);
            chain(miniTable, first, count);
            miniStream += streams[i].bytes;
            miniStream.resize(miniStream.size() + count * miniSectorSize - size, '\0');
        } else {
            bigSectors += sectorsFor(size, sectorSize);
        }
    }

    const std::size_t entryCount = 1 + streams.size();
    const std::size_t directorySectors = sectorsFor(entryCount * directoryEntrySize, sectorSize);
    const std::size_t miniTableSectors = sectorsFor(miniTable.size() * 4, sectorSize);
    const std::size_t miniStreamSectors = sectorsFor(miniStream.size(), sectorSize);
    const std::size_t dataSectors = directorySectors + miniTableSectors + miniStreamSectors + bigSectors;
    std::size_t tableSectors = 1;
    while (tableSectors * entriesPerSector < dataSectors + tableSectors) ++tableSectors;
    if (tableSectors > headerAllocationSlots) throw std::length_error("compound file too large");

    // Sector order: allocation table, mini table, directory, mini stream, big streams.
    const std::size_t totalSectors = tableSectors + dataSectors;
    std::vector<std::uint32_t> table(tableSectors * entriesPerSector, freeSector);
    for (std::size_t i = 0; i < tableSectors; ++i) table[i] = allocationSector;
    std::size_t next = tableSectors;
    const std::size_t miniTableFirst = next;
    chain(table, next, miniTableSectors);
    next += miniTableSectors;
    const std::size_t directoryFirst = next;
    chain(table, next, directorySectors);
    next += directorySectors;
    const std::size_t miniStreamFirst = next;
    chain(table, next, miniStreamSectors);
    next += miniStreamSectors;

    std::vector<Entry> entries(entryCount);
    entries[0].name = "Root Entry";
    entries[0].type = 5;
    entries[0].start = miniStreamSectors ? static_cast<std::uint32_t>(miniStreamFirst) : endOfChain;
    entries[0].size = static_cast<std::uint32_t>(miniStream.size());
    std::vector<std::size_t> bigFirst(streams.size(), 0);
    for (std::size_t i = 0; i < streams.size(); ++i) {
        Entry& e = entries[i + 1];
        e.name = streams[i].name;
        e.type = 2;
        e.size = static_cast<std::uint32_t>(streams[i].bytes.size());
        if (e.size >= miniStreamCutoff) {
            const std::size_t count = sectorsFor(e.size, sectorSize);
            bigFirst[i] = next;
            e.start = static_cast<std::uint32_t>(next);
            chain(table, next, count);
            next += count;
        } else {
            e.start = miniStart[i];
        }
    }
    std::vector<std::uint32_t> sorted(streams.size());
    std::iota(sorted.begin(), sorted.end(), 1u);
    std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
        const std::string& x = entries[a].name;
        const std::string& y = entries[b].name;
        if (x.size() != y.size()) return x.size() < y.size();
        return upperAscii(x) < upperAscii(y);
    });
    for (std::size_t i = 1; i < sorted.size(); ++i)
        if (entries[sorted[i - 1]].name.size() == entries[sorted[i]].name.size() &&
            upperAscii(entries[sorted[i - 1]].name) == upperAscii(entries[sorted[i]].name))
            throw std::invalid_argument("two streams of one name");
    entries[0].child = buildTree(entries, sorted);

    std::string out(sectorSize * (1 + totalSectors), '\0');
    // Header.
    const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (int i = 0; i < 8; ++i) out[static_cast<std::size_t>(i)] = static_cast<char>(signature[i]);
    put16(out, 24, 0x003E);  // minor version
    put16(out, 26, 0x0003);  // major version 3: 512-byte sectors
    put16(out, 28, 0xFFFE);  // little-endian
    put16(out, 30, 9);       // sector size 2^9
    put16(out, 32, 6);       // mini sector size 2^6
    put32(out, 44, static_cast<std::uint32_t>(tableSectors));
    put32(out, 48, static_cast<std::uint32_t>(directoryFirst));
    put32(out, 56, static_cast<std::uint32_t>(miniStreamCutoff));
    put32(out, 60, miniTableSectors ? static_cast<std::uint32_t>(miniTableFirst) : endOfChain);
    put32(out, 64, static_cast<std::uint32_t>(miniTableSectors));
    put32(out, 68, endOfChain);  // no further allocation-table list sectors
    put32(out, 72, 0);
    for (std::size_t i = 0; i < headerAllocationSlots; ++i)
        put32(out, 76 + 4 * i, i < tableSectors ? static_cast<std::uint32_t>(i) : freeSector);

    const auto sectorAt = [](std::size_t sector) { return sectorSize * (1 + sector); };
    for (std::size_t i = 0; i < table.size(); ++i) put32(out, sectorAt(0) + 4 * i, table[i]);
    std::vector<std::uint32_t> miniPadded(miniTableSectors * entriesPerSector, freeSector);
    std::copy(miniTable.begin(), miniTable.end(), miniPadded.begin());
    for (std::size_t i = 0; i < miniPadded.size(); ++i) put32(out, sectorAt(miniTableFirst) + 4 * i, miniPadded[i]);
    // Unused directory slots are empty entries whose links point nowhere.
    for (std::size_t i = 0; i < directorySectors * (sectorSize / directoryEntrySize); ++i)
        writeEntry(out, sectorAt(directoryFirst) + directoryEntrySize * i, i < entries.size() ? entries[i] : Entry{});
    std::copy(miniStream.begin(), miniStream.end(), out.begin() + static_cast<std::ptrdiff_t>(sectorAt(miniStreamFirst)));
    for (std::size_t i = 0; i < streams.size(); ++i)
        if (streams[i].bytes.size() >= miniStreamCutoff)
            std::copy(streams[i].bytes.begin(), streams[i].bytes.end(),
                      out.begin() + static_cast<std::ptrdiff_t>(sectorAt(bigFirst[i])));
    return out;
}
