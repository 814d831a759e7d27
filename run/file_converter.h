// The table conversion of one file: the input opened, the output opened, the frames decoded into
// it, the output closed, and what became of the file. One worker of the command line, of the
// Windows program and of the Python module's conversion each owns one FileConverter and converts
// one file at a time.
#pragma once

#include <filesystem>
#include <memory>

#include "decode/decoding_setup.h"
#include "run/converter.h"
#include "run/file_outcome.h"
#include "run/input_open.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"

namespace run {

class FileConverter {
public:
    // `control`: the stop request gives up the file in hand (its old output stays), and the
    // bytes walked go into the progress count. `partWorkers`: the threads that may convert one
    // capture in parts (file_parts.h), where its table allows it.
    FileConverter(const decode::Decoding& decoding, const tables::ConversionOptions& options,
                  const sources::WalkControl& control = {}, const InputChoice& input = {},
                  unsigned partWorkers = 1);

    FileOutcome convert(const std::filesystem::path& input, const std::filesystem::path& output);

private:
    // Converts a file worth several workers in parts: false, nothing done, for a small one.
    bool convertedInParts(const std::filesystem::path& input, sources::FrameSource& source,
                          const std::filesystem::path& output, FileStats* stats,
                          FileOutcome& outcome);
    const decode::Decoding& decoding_;
    tables::ConversionOptions options_;
    unsigned partWorkers_;
    sources::WalkControl control_;
    InputChoice input_;
    Converter converter_;
    std::unique_ptr<tables::FileSink> sink_;
};

// The conversion of an opened input into `output` through a file sink: a source that fails
// while it is read gets no output (the old one stays) and fails as kLoadFailed with its code;
// one cut short is converted as far as it goes (kCutShort); a stop gives the output up
// (kStopped). `stats`, when given, counts what the conversion meets.
FileOutcome convertSource(sources::FrameSource& source, Converter& converter,
                          tables::FileSink& sink, const std::filesystem::path& output,
                          const sources::WalkControl& control, FileStats* stats = nullptr);

// The same into a sink that writes no file (typed columns in memory): the outcome as for a file.
FileOutcome readSource(sources::FrameSource& source, Converter& converter, tables::RowSink& sink,
                       const sources::WalkControl& control, FileStats* stats = nullptr);

// The outcome of a walk that ended with `walked` into an output that closed with `closed`.
FileOutcome outcomeOf(const platform::Status& walked, int32_t closed,
                      const sources::FrameSource& source);

}  // namespace run
