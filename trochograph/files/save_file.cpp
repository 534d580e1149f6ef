#include "save_file.h"

#include <new>
#include <string>
#include <system_error>

#include "atomic_file.h"

namespace trochograph {

namespace {

SaveResult failed(SaveCode code, const std::string& what, int error)
{
    return {code, what + ": " + std::generic_category().message(error)};
}

}  // namespace

SaveResult saveFile(const std::filesystem::path& path, const std::function<bool(ByteSink&)>& encode)
{
    AtomicFileSink file;
    if (!file.open(path)) return failed(saveCannotCreate, "can't create the file", file.error());
    try {
        if (!encode(file) && file.failure() == AtomicFileSink::Failure::none)
            return {saveWriteFailed, "can't encode the picture"};
    } catch (const std::bad_alloc&) {
        return {saveNoMemory, "not enough memory to write the file"};
    }
    if (file.commit()) return {};
    if (file.failure() == AtomicFileSink::Failure::replace)
        return failed(saveWriteFailed, "can't replace the file", file.error());
    return failed(saveWriteFailed, "can't write the file", file.error());
}

}  // namespace trochograph
