// The interface and component identifiers: the four the hosts fix, and ours,
// each the version-5 UUID of its own name under the project's namespace.
#include "AAX_ACFIdentifiers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace
{
using Digest = std::array<std::uint8_t, 20>;

// SHA-1 (FIPS 180-4), small and slow, for short messages.
Digest sha1 (const std::vector<std::uint8_t>& message)
{
    std::uint32_t h[5] = { 0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0 };
    std::vector<std::uint8_t> m (message);
    const std::uint64_t bits = static_cast<std::uint64_t> (message.size()) * 8;
    m.push_back (0x80);
    while (m.size() % 64 != 56)
        m.push_back (0);
    for (int i = 7; i >= 0; --i)
        m.push_back (static_cast<std::uint8_t> (bits >> (i * 8)));

    auto rotl = [] (std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); };
    for (std::size_t block = 0; block < m.size(); block += 64)
    {
        std::uint32_t w[80];
        for (int t = 0; t < 16; ++t)
            w[t] = static_cast<std::uint32_t> (m[block + 4 * t]) << 24 | static_cast<std::uint32_t> (m[block + 4 * t + 1]) << 16
                   | static_cast<std::uint32_t> (m[block + 4 * t + 2]) << 8 | m[block + 4 * t + 3];
        for (int t = 16; t < 80; ++t)
            w[t] = rotl (w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
        std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
        for (int t = 0; t < 80; ++t)
        {
            std::uint32_t f, k;
            if (t < 20)
                f = (b & c) | (~b & d), k = 0x5A827999;
            else if (t < 40)
                f = b ^ c ^ d, k = 0x6ED9EBA1;
            else if (t < 60)
                f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
            else
                f = b ^ c ^ d, k = 0xCA62C1D6;
            const std::uint32_t next = rotl (a, 5) + f + e + k + w[t];
            e = d, d = c, c = rotl (b, 30), b = a, a = next;
        }
        h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
    }
    Digest digest {};
    for (int i = 0; i < 20; ++i)
        digest[static_cast<std::size_t> (i)] = static_cast<std::uint8_t> (h[i / 4] >> (24 - 8 * (i % 4)));
    return digest;
}

std::vector<std::uint8_t> bytesOf (const _acfUID& id)
{
    std::vector<std::uint8_t> b;
    for (int i = 3; i >= 0; --i)
        b.push_back (static_cast<std::uint8_t> (id.Data1 >> (8 * i)));
    b.push_back (static_cast<std::uint8_t> (id.Data2 >> 8));
    b.push_back (static_cast<std::uint8_t> (id.Data2));
    b.push_back (static_cast<std::uint8_t> (id.Data3 >> 8));
    b.push_back (static_cast<std::uint8_t> (id.Data3));
    b.insert (b.end(), id.Data4, id.Data4 + 8);
    return b;
}

// RFC 4122 section 4.3 with SHA-1: version 5, variant 10.
std::vector<std::uint8_t> version5 (const _acfUID& space, const std::string& name)
{
    auto message = bytesOf (space);
    message.insert (message.end(), name.begin(), name.end());
    const auto digest = sha1 (message);
    std::vector<std::uint8_t> id (digest.begin(), digest.begin() + 16);
    id[6] = static_cast<std::uint8_t> ((id[6] & 0x0F) | 0x50);
    id[8] = static_cast<std::uint8_t> ((id[8] & 0x3F) | 0x80);
    return id;
}

std::string hex (const std::vector<std::uint8_t>& bytes)
{
    std::string s;
    for (auto b : bytes)
        s += "0123456789abcdef"[b >> 4], s += "0123456789abcdef"[b & 15];
    return s;
}

struct Named
{
    const char* name;
    const _acfUID* id;
};

#define NAMED(id) Named { #id, &id }
const Named ours[] = {
    NAMED (IID_IACFUnknown), NAMED (IID_IACFComponentFactory), NAMED (IID_IACFComponentDefinition),
    NAMED (IID_IAAXEffectGUIV1), NAMED (IID_IAAXControllerV1), NAMED (IID_IAAXControllerV2),
    NAMED (IID_IAAXControllerV3), NAMED (IID_IAAXTransportV1), NAMED (IID_IAAXTransportV2),
    NAMED (IID_IAAXViewContainerV1), NAMED (IID_IAAXViewContainerV2), NAMED (IID_IAAXAutomationDelegateV1),
    NAMED (IID_IAAXCollectionV1), NAMED (IID_IAAXEffectDescriptorV1), NAMED (IID_IAAXEffectDescriptorV2),
    NAMED (IID_IAAXComponentDescriptorV1), NAMED (IID_IAAXComponentDescriptorV2), NAMED (IID_IAAXPropertyMapV1),
    NAMED (IID_IAAXPropertyMapV2), NAMED (IID_IAAXHostServicesV1), NAMED (IID_IAAXHostServicesV2),
    NAMED (AAXCompID_AAXCollection), NAMED (AAXCompID_AAXEffectDescriptor), NAMED (AAXCompID_AAXComponentDescriptor),
    NAMED (AAXCompID_AAXPropertyMap), NAMED (AAXCompID_HostServices),
};
const _acfUID given[] = { IID_IACFPluginDefinition, IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2,
                          IID_IAAXEffectParametersV3 };
#undef NAMED
} // namespace

TEST (AaxIdentifiers, TheHostsOwnAreByteForByte)
{
    EXPECT_EQ (hex (bytesOf (IID_IACFPluginDefinition)), "00eef0157fd011d6848500306542a024");
    EXPECT_EQ (hex (bytesOf (IID_IAAXEffectParametersV1)), "964e333d334c533fc2c73834c3c23e3e");
    EXPECT_EQ (hex (bytesOf (IID_IAAXEffectParametersV2)), "f1f47d06308f4cc59c7c50a83f8ab813");
    EXPECT_EQ (hex (bytesOf (IID_IAAXEffectParametersV3)), "d2540e9d916342bba6fd81e10ea32498");
}

TEST (AaxIdentifiers, OursAreTheVersion5UuidsOfTheirNamesAndAllDistinct)
{
    const auto abc = sha1 ({ 'a', 'b', 'c' }); // the standard's own example
    ASSERT_EQ (hex (std::vector<std::uint8_t> (abc.begin(), abc.end())), "a9993e364706816aba3e25717850c26c9cd0d89d");
    for (const auto& n : ours)
        EXPECT_EQ (hex (bytesOf (*n.id)), hex (version5 (ACF_IdentifierNamespace, n.name))) << n.name;

    for (std::size_t i = 0; i < std::size (ours); ++i)
    {
        for (std::size_t j = i + 1; j < std::size (ours); ++j)
            EXPECT_NE (*ours[i].id, *ours[j].id) << ours[i].name << " " << ours[j].name;
        for (const auto& g : given)
            EXPECT_NE (*ours[i].id, g) << ours[i].name;
    }
}
