#include "files/save_file.h"

#include "files/atomic_file.h"

namespace trochograph {

Result<void> saveFile(const std::filesystem::path& path, const std::function<Result<void>(ByteSink&)>& encode)
{
    AtomicFileSink file;
    if (!file.open(path)) return file.error();
    if (Result<void> encoded = encode(file); !encoded && file.failure() == AtomicFileSink::Failure::none)
        return encoded;
    if (file.commit()) return {};
    return file.error();
}

}  // namespace trochograph
