#include "files/save_file.h"

#include <string>
#include <system_error>

#include "files/atomic_file.h"

namespace trochograph {

namespace {

Error failed(ErrorCode code, const std::string& what, int error)
{
    return {code, what + ": " + std::generic_category().message(error)};
}

}  // namespace

Result<void> saveFile(const std::filesystem::path& path, const std::function<Result<void>(ByteSink&)>& encode)
{
    AtomicFileSink file;
    if (!file.open(path)) return failed(ErrorCode::cannotCreate, "can't create the file", file.error());
    if (Result<void> encoded = encode(file); !encoded && file.failure() == AtomicFileSink::Failure::none)
        return encoded;
    if (file.commit()) return {};
    if (file.failure() == AtomicFileSink::Failure::replace)
        return failed(ErrorCode::writeFailed, "can't replace the file", file.error());
    return failed(ErrorCode::writeFailed, "can't write the file", file.error());
}

}  // namespace trochograph
