#include "atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>

namespace trochograph {

namespace {

std::uint64_t randomBits()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits = ++counter * 0x9E3779B97F4A7C15ull ^
                         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        bits ^= static_cast<std::uint64_t>(device()) << 32 | device();
    } catch (...) {
        // No entropy source: the counter and the clock still make clashes unlikely, and
        // exclusive creation makes them harmless.
    }
    return bits;
}

// A short name of its own, so that a target name near the length limit still gets one.
std::filesystem::path temporaryName()
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string name = ".trochograph-";
    std::uint64_t bits = randomBits();
    for (int i = 0; i < 16; ++i, bits >>= 4) name += hex[bits & 0xF];
    return name + ".tmp";
}

}  // namespace

AtomicFileSink::~AtomicFileSink() { discard(); }

bool AtomicFileSink::open(const std::filesystem::path& target)
{
    discard();
    failed_ = false;
    target_ = target;
    const std::filesystem::path dir = target.parent_path();
    // Exclusive creation ("x") never opens an existing file; on a clash try another name.
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path candidate = dir / temporaryName();
        errno = 0;
        if (std::FILE* f = std::fopen(candidate.c_str(), "wbx")) {
            file_ = f;
            temp_ = std::move(candidate);
            return true;
        }
        if (errno != EEXIST) break;
    }
    return false;
}

bool AtomicFileSink::write(std::span<const std::uint8_t> bytes)
{
    if (!file_ || failed_) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
    return !failed_;
}

bool AtomicFileSink::commit()
{
    if (!file_) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
    // fclose can report the first failure of a delayed write, so its result counts too.
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp_, target_, ec);
        ok = !ec;
    }
    if (ok) {
        temp_.clear();
    } else {
        discard();
    }
    return ok;
}

void AtomicFileSink::discard()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
        temp_.clear();
    }
}

}  // namespace trochograph
