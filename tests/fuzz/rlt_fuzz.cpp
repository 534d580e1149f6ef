// The parameter file reader. Any bytes load or are refused as invalid, and a refused file
// changes nothing; a loaded record is written back byte for byte and loads the same again.
// Read from a file whose first bytes were read already (as a loader sniffing for a PNG
// picture reads them), the same bytes give the same parameters.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

#include "files/rlt_file.h"
#include "files/rlt_record.h"
#include "fuzz/fuzz_check.h"

using namespace trochograph;
using trochograph::fuzz::check;

namespace {

// The bytes as an open file whose first `sniffed` bytes were read.
Result<void> readAfterSniffing(std::span<const std::uint8_t> bytes, std::size_t sniffed, CurveParameters& parameters)
{
    const std::unique_ptr<std::FILE, FileCloser> file(
        fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb"));
    check(file != nullptr, "fmemopen opens the bytes");
    std::fseek(file.get(), static_cast<long>(sniffed), SEEK_SET);
    return readRlt(file.get(), bytes.first(sniffed), parameters);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const CurveParameters before;
    CurveParameters loaded = before;
    const Result<void> result = applyRltBytes(bytes, loaded);
    if (size > 0) {
        CurveParameters fromFile = before;
        const Result<void> read = readAfterSniffing(bytes, std::min<std::size_t>(size, 8), fromFile);
        check(read.ok() == result.ok() && fromFile == loaded, "a file reads as its bytes do");
    }
    if (!result) {
        check(result.code() == ErrorCode::invalid && !result.message().empty(), "a refusal is invalid and says why");
        check(loaded == before, "a refused file changes nothing");
        return 0;
    }
    const auto written = encodeRlt(rltFromState(loaded));
    check(std::equal(written.begin(), written.end(), bytes.begin()), "a loaded record is written back unchanged");
    CurveParameters reloaded = before;
    check(applyRltBytes(written, reloaded).ok() && reloaded == loaded, "what was written loads the same");
    return 0;
}
