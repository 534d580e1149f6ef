#include "files/rlt_record.h"

#include <bit>
#include <cassert>
#include <charconv>
#include <numbers>
#include <type_traits>

#include "common/trunc_int.h"
#include "engine/parameter_limits.h"

namespace trochograph {

namespace {

// Byte by byte, so that the layout is the same on every host.
class Encoder {
public:
    explicit Encoder(std::array<std::uint8_t, rltSize>& out) : out_(out) {}
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) out_[pos_++] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f64(double v)
    {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) out_[pos_++] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    std::size_t pos() const { return pos_; }

private:
    std::array<std::uint8_t, rltSize>& out_;
    std::size_t pos_ = 0;
};

class Decoder {
public:
    explicit Decoder(std::span<const std::uint8_t, rltSize> in) : in_(in) {}
    std::uint32_t u32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in_[pos_++]) << (8 * i);
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    double f64()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(in_[pos_++]) << (8 * i);
        return std::bit_cast<double>(bits);
    }
    std::size_t pos() const { return pos_; }

private:
    std::span<const std::uint8_t, rltSize> in_;
    std::size_t pos_ = 0;
};

// Both directions visit the fields in file order through the same function, so the two
// can't disagree about the layout.
template <typename Codec, typename Record>
void visitFields(Codec& c, Record& r)
{
    c(r.type), c(r.ellipse), c(r.method), c(r.Rpct), c(r.rpct), c(r.dpct), c(r.inc);
    c(r.kn), c(r.kd), c(r.kindex), c(r.en), c(r.ed), c(r.rottheta), c(r.fore), c(r.back);
    c(r.rfore), c(r.gfore), c(r.bfore), c(r.rback), c(r.gback), c(r.bback), c(r.multicolor);
}

std::string number(double v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

// A range's end in plain decimals, 0.0001 rather than 1e-04, as a user would type it.
std::string bound(double v)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return res.ec == std::errc{} ? std::string(buf, res.ptr) : number(v);
}

std::string hex(std::uint32_t v)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string s = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) s += digits[(v >> shift) & 0xF];
    return s;
}

Error refused(std::string message) { return {ErrorCode::invalid, std::move(message)}; }

Result<void> checkInt(const char* name, std::int32_t v, Range<int> range)
{
    if (range.contains(v)) return {};
    return refused(std::string(name) + " is " + std::to_string(v) + "; it should be " + std::to_string(range.low) +
                   " to " + std::to_string(range.high));
}

Result<void> checkAtLeast(const char* name, std::int32_t v, std::int32_t lo)
{
    if (v >= lo) return {};
    return refused(std::string(name) + " is " + std::to_string(v) + "; it should be at least " + std::to_string(lo));
}

Result<void> checkColour(const char* name, Colorref v)
{
    if (v <= 0x00FFFFFF) return {};
    return refused(std::string(name) + " is " + hex(v) + "; it should be 0x00000000 to 0x00FFFFFF");
}

}  // namespace

std::array<std::uint8_t, rltSize> encodeRlt(const RltRecord& record)
{
    std::array<std::uint8_t, rltSize> out{};
    Encoder e(out);
    auto put = [&](const auto& v) {
        using T = std::remove_cvref_t<decltype(v)>;
        if constexpr (std::is_same_v<T, double>) e.f64(v);
        else if constexpr (std::is_same_v<T, Colorref>) e.u32(v);
        else e.i32(v);
    };
    visitFields(put, record);
    assert(e.pos() == rltSize);
    return out;
}

RltRecord decodeRlt(std::span<const std::uint8_t, rltSize> bytes)
{
    RltRecord record;
    Decoder d(bytes);
    auto get = [&](auto& v) {
        using T = std::remove_cvref_t<decltype(v)>;
        if constexpr (std::is_same_v<T, double>) v = d.f64();
        else if constexpr (std::is_same_v<T, Colorref>) v = d.u32();
        else v = d.i32();
    };
    visitFields(get, record);
    assert(d.pos() == rltSize);
    return record;
}

RltRecord rltFromState(const CurveParameters& s)
{
    assert(s.type >= 0 && s.type < curveTypeCount);
    const auto t = static_cast<std::size_t>(s.type);
    RltRecord r;
    r.type = s.type;
    r.ellipse = s.ellipse;
    r.method = s.method;
    r.Rpct = s.Rpct[t];
    r.rpct = s.rpct[t];
    r.dpct = s.dpct[t];
    r.inc = s.increment;
    r.kn = s.kn[t];
    r.kd = s.kd[t];
    r.kindex = truncToInt(s.kindex);
    r.en = s.en;
    r.ed = s.ed;
    r.rottheta = s.rottheta;
    r.fore = s.fore;
    r.back = s.back;
    r.rfore = s.rfore;
    r.gfore = s.gfore;
    r.bfore = s.bfore;
    r.rback = s.rback;
    r.gback = s.gback;
    r.bback = s.bback;
    r.multicolor = s.multicolor;
    return r;
}

Result<void> applyRlt(const RltRecord& r, CurveParameters& s)
{
    if (auto valid = validateRlt(r); !valid) return valid;
    s.type = r.type;
    const auto t = static_cast<std::size_t>(r.type);
    s.ellipse = r.ellipse;
    s.method = r.method;
    s.Rpct[t] = r.Rpct;
    s.rpct[t] = r.rpct;
    s.dpct[t] = r.dpct;
    s.increment = r.inc;
    s.kn[t] = r.kn;
    s.kd[t] = r.kd;
    s.kindex = r.kindex;
    s.en = r.en;
    s.ed = r.ed;
    s.rottheta = r.rottheta;
    s.dbtheta = r.rottheta * 180.0 / std::numbers::pi;
    s.fore = r.fore;
    s.back = r.back;
    s.rfore = r.rfore;
    s.gfore = r.gfore;
    s.bfore = r.bfore;
    s.rback = r.rback;
    s.gback = r.gback;
    s.bback = r.bback;
    s.multicolor = r.multicolor;
    return {};
}

Result<void> validateRlt(const RltRecord& r, const char* incrementName)
{
    if (auto e = checkInt("type", r.type, {0, curveTypeCount - 1}); !e) return e;
    const bool rhodonea = r.type == rhodoneaRational || r.type == rhodoneaIrrational;
    if (rhodonea && r.ellipse != 0)
        return refused("ellipse is " + std::to_string(r.ellipse) + "; it should be 0 for type " + std::to_string(r.type));
    if (auto e = checkInt("ellipse", r.ellipse, {0, 1}); !e) return e;
    if (auto e = checkInt("method", r.method, {actualEllipse, circleVaryingD}); !e) return e;
    if (auto e = checkInt("Rpct", r.Rpct, limits::radiusPercent); !e) return e;
    if (auto e = checkInt("rpct", r.rpct, limits::radiusPercent); !e) return e;
    if (!limits::radiiDiffer(r.type, r.Rpct, r.rpct))
        return refused("hypotrochoid: R and r should not be equal (both are " + std::to_string(r.Rpct) + ")");
    if (!limits::distancePercent.contains(r.dpct))
        return refused("dpct is " + number(r.dpct) + "; it should be " + bound(limits::distancePercent.low) + " to " +
                       bound(limits::distancePercent.high));
    if (!limits::increment.contains(r.inc))
        return refused(std::string(incrementName) + " is " + number(r.inc) + "; it should be a finite number of at least " +
                       bound(limits::increment.low));
    if (const auto kn = limits::kn(r.type)) {
        if (auto e = checkInt("kn", r.kn, *kn); !e) return refused(e.message() + " for type " + std::to_string(r.type));
    } else if (auto e = checkAtLeast("kn", r.kn, 1); !e) {
        // Unused by the trochoids, but a file with a count below 1 was not written by us.
        return e;
    }
    if (auto e = checkInt("kd", r.kd, limits::petalFactor); !e) return e;
    if (auto e = checkInt("kindex", r.kindex, limits::kindex); !e) return e;
    if (auto e = checkInt("en", r.en, limits::axis); !e) return e;
    if (auto e = checkInt("ed", r.ed, limits::axis); !e) return e;
    if (!limits::axesInOrder(r.en, r.ed))
        return refused("en is " + std::to_string(r.en) + "; it should be at most ed, which is " + std::to_string(r.ed));
    if (!limits::rotation.contains(r.rottheta))
        return refused("rottheta is " + number(r.rottheta) + "; it should be at least " + bound(limits::rotation.low) +
                       " and less than " + bound(limits::rotation.high));
    if (auto e = checkColour("fore", r.fore); !e) return e;
    if (auto e = checkColour("back", r.back); !e) return e;
    const struct {
        const char* name;
        std::int32_t value;
    } components[] = {{"rfore", r.rfore}, {"gfore", r.gfore}, {"bfore", r.bfore},
                      {"rback", r.rback}, {"gback", r.gback}, {"bback", r.bback}};
    for (const auto& c : components)
        if (auto e = checkInt(c.name, c.value, limits::colorComponent); !e) return e;
    if (auto e = checkInt("multicolor", r.multicolor, {0, 1}); !e) return e;
    return {};
}

}  // namespace trochograph
