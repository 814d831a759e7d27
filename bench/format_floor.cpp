// The formatting floor of the long CSV: the lines of a CSV the converter wrote, made again from
// pre-made fixed columns with the value formatted by std::to_chars(value, fixed, 6) into a block
// and written with write(2), no decoding. What any writer of these lines pays at least; the
// conversion, decoding included, is measured against it.
//
//     format_floor CSV OUTPUT [ROUNDS]
//
// Reads CSV (the converter's long table with the default columns) into memory, then writes its
// lines ROUNDS times (default 5) to OUTPUT and prints the quickest round: seconds and lines.
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

struct Line {
    uint32_t frame;   // its frame's columns before the signal: time, channel, identifier, message
    uint32_t signal;  // "Signal," piece
    uint32_t after;   // ",unit,description" piece
    double value;
};

class Pieces {
public:
    uint32_t intern(std::string_view text) {
        const auto [found, added] = index_.try_emplace(std::string(text), texts_.size());
        if (added) texts_.emplace_back(text);
        return found->second;
    }
    const std::string& operator[](uint32_t index) const { return texts_[index]; }

private:
    std::unordered_map<std::string, uint32_t> index_;
    std::vector<std::string> texts_;
};

// The field boundaries of a line split at commas (the benchmark's texts hold none).
std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t comma; (comma = line.find(',', start)) != std::string_view::npos;) {
        out.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    out.push_back(line.substr(start));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: format_floor CSV OUTPUT [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    std::ifstream in(argv[1], std::ios::binary);
    std::string header;
    std::getline(in, header);
    const bool crlf = !header.empty() && header.back() == '\r';
    const std::string_view lineEnd = crlf ? "\r\n" : "\n";

    // Columns: Date, Time, msec, Ch, CAN_ID, Message | Signal | Value | Unit, Enum.
    std::vector<std::string> frames;
    std::string previousFrame;
    Pieces pieces;
    std::vector<Line> lines;
    for (std::string text; std::getline(in, text);) {
        if (crlf && !text.empty() && text.back() == '\r') text.pop_back();
        const std::vector<std::string_view> parts = fields(text);
        if (parts.size() < 10) continue;
        const size_t frameEnd = static_cast<size_t>(parts[6].data() - text.data());
        const std::string_view frame(text.data(), frameEnd);
        if (frames.empty() || frame != previousFrame) {
            frames.emplace_back(frame);
            previousFrame = frame;
        }
        Line line{};
        line.frame = static_cast<uint32_t>(frames.size() - 1);
        line.signal = pieces.intern(std::string(parts[6]) + ",");
        line.after = pieces.intern("," + std::string(parts[8]) + "," + std::string(parts[9]));
        std::from_chars(parts[7].data(), parts[7].data() + parts[7].size(), line.value);
        lines.push_back(line);
    }

    constexpr size_t kBlock = size_t{1} << 20;
    std::vector<char> block(kBlock + 4096);
    double best = 1e300;
    uint64_t bytes = 0;
    for (int round = 0; round < rounds; ++round) {
        const int out = ::open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0) {
            std::perror(argv[2]);
            return 1;
        }
        const auto started = std::chrono::steady_clock::now();
        bytes = 0;
        char* at = block.data();
        const auto flush = [&] {
            const size_t used = static_cast<size_t>(at - block.data());
            if (::write(out, block.data(), used) != static_cast<ssize_t>(used)) std::abort();
            bytes += used;
            at = block.data();
        };
        const auto put = [&](std::string_view piece) {
            std::memcpy(at, piece.data(), piece.size());
            at += piece.size();
        };
        for (const Line& line : lines) {
            put(frames[line.frame]);
            put(pieces[line.signal]);
            at = std::to_chars(at, at + 64, line.value, std::chars_format::fixed, 6).ptr;
            put(pieces[line.after]);
            put(lineEnd);
            if (static_cast<size_t>(at - block.data()) >= kBlock) flush();
        }
        flush();
        ::close(out);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        best = std::min(best, seconds);
    }
    std::printf("%.4f %zu %llu\n", best, lines.size(), static_cast<unsigned long long>(bytes));
    return 0;
}
