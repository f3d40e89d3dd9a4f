#include "platform/BitWord.h"

#include <algorithm>

namespace {
constexpr int LimbBits = 32;
__extension__ using Wide = unsigned __int128;
} // namespace

BitWord BitWord::fromU64(std::uint64_t value) {
    BitWord w;
    w.m_limbs = {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    w.trim();
    return w;
}

std::optional<BitWord> BitWord::parse(QStringView digits) {
    if (digits.isEmpty())
        return std::nullopt;
    BitWord w;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        // w = w * 10 + digit, limb by limb.
        std::uint64_t carry = static_cast<std::uint64_t>(c.unicode() - u'0');
        for (std::uint32_t& limb : w.m_limbs) {
            const std::uint64_t v = std::uint64_t(limb) * 10 + carry;
            limb = static_cast<std::uint32_t>(v);
            carry = v >> LimbBits;
        }
        if (carry != 0)
            w.m_limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    w.trim();
    return w;
}

void BitWord::trim() {
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

int BitWord::bitLength() const {
    if (m_limbs.empty())
        return 0;
    int top = 0;
    for (std::uint32_t v = m_limbs.back(); v != 0; v >>= 1)
        ++top;
    return static_cast<int>(m_limbs.size() - 1) * LimbBits + top;
}

std::optional<std::uint64_t> BitWord::toU64() const {
    if (bitLength() > 64)
        return std::nullopt;
    return bits(0, 64);
}

QString BitWord::toString() const {
    if (m_limbs.empty())
        return QStringLiteral("0");
    std::vector<std::uint32_t> rest = m_limbs;
    QString out;
    while (!rest.empty()) {
        // Divide by 10^9 and write the remainder's nine digits.
        std::uint64_t remainder = 0;
        for (auto it = rest.rbegin(); it != rest.rend(); ++it) {
            const std::uint64_t v = (remainder << LimbBits) | *it;
            *it = static_cast<std::uint32_t>(v / 1000000000u);
            remainder = v % 1000000000u;
        }
        while (!rest.empty() && rest.back() == 0)
            rest.pop_back();
        for (int i = 0; i < 9 && (remainder != 0 || !rest.empty()); ++i) {
            out.append(QChar(u'0' + static_cast<char16_t>(remainder % 10)));
            remainder /= 10;
        }
    }
    std::reverse(out.begin(), out.end());
    return out;
}

bool BitWord::testBit(int bit) const {
    if (bit < 0)
        return false;
    const auto limb = static_cast<std::size_t>(bit / LimbBits);
    return limb < m_limbs.size() && ((m_limbs[limb] >> (bit % LimbBits)) & 1u) != 0;
}

BitWord BitWord::withBit(int bit, bool on) const {
    return withBits(bit, 1, on ? 1u : 0u);
}

std::uint64_t BitWord::bits(int first, int count) const {
    count = std::min(count, 64);
    if (first < 0 || count <= 0)
        return 0;
    // The three limbs that can hold 64 bits from any bit on, shifted together.
    const auto limb = static_cast<std::size_t>(first / LimbBits);
    const int shift = first % LimbBits;
    const auto at = [this](std::size_t i) -> Wide { return i < m_limbs.size() ? m_limbs[i] : 0u; };
    const Wide window =
        (at(limb) | (at(limb + 1) << LimbBits) | (at(limb + 2) << (2 * LimbBits))) >> shift;
    const std::uint64_t value = static_cast<std::uint64_t>(window);
    return count == 64 ? value : value & ((std::uint64_t(1) << count) - 1);
}

BitWord BitWord::withBits(int first, int count, std::uint64_t value) const {
    count = std::min(count, 64);
    if (first < 0 || count <= 0)
        return *this;
    const std::uint64_t mask = count == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << count) - 1;
    value &= mask;
    if (bits(first, count) == value)
        return *this;
    BitWord w = *this;
    const auto top = static_cast<std::size_t>((first + count - 1) / LimbBits);
    if (w.m_limbs.size() <= top)
        w.m_limbs.resize(top + 1, 0);
    for (int i = 0; i < count;) {
        // As many of the bits as fall into one limb at a time.
        const int bit = first + i;
        const auto limb = static_cast<std::size_t>(bit / LimbBits);
        const int shift = bit % LimbBits;
        const int n = std::min(count - i, LimbBits - shift);
        const std::uint32_t part =
            n == LimbBits ? ~std::uint32_t(0) : ((std::uint32_t(1) << n) - 1) << shift;
        const auto piece = static_cast<std::uint32_t>((value >> i) << shift) & part;
        w.m_limbs[limb] = (w.m_limbs[limb] & ~part) | piece;
        i += n;
    }
    w.trim();
    return w;
}

QString BitWordText(const QString& stored, const BitWord& value) {
    const std::optional<BitWord> read = BitWord::parse(stored);
    return read && *read == value ? stored : value.toString();
}
