#pragma once
// Documents that no reader of presets or host state may take, as bytes: what
// JUCE's parser recurses on without end, hangs on, reads a file for, or reads
// other than as written. The document fuzzers check each is refused whole
// and start their mutations from them.
#include <string>
#include <vector>

namespace hostile
{
// depth elements in all, the innermost holding `inner`.
inline std::string nested (int depth, const std::string& inner = {})
{
    std::string open, close;
    for (int i = 2; i < depth; ++i)
        open += "<a>", close += "</a>";
    return "<morvidPatch><Properties>" + open + inner + close + "</Properties></morvidPatch>";
}

// Levels of an overlong "<" (C0 BC), which JUCE's decoder reads as a real one.
inline std::string overlong (int levels)
{
    std::string bytes = "<morvidPatch>";
    while (levels-- > 0)
        bytes += "\xc0\xbc" "a>";
    return bytes;
}

struct Document
{
    const char* what;
    std::string text;
};

inline std::vector<Document> documents()
{
    const std::string value = "<morvidPatch version=\"1.0\"><DeviceName>Pandrel TQ4418</DeviceName><Properties presetVersion=\"1.0\">"
                              "<Value property=\"depth\">0.5</Value></Properties></morvidPatch>";
    const auto in = [&value] (const std::string& from, const std::string& to) { return std::string (value).replace (value.find (from), from.size(), to); };
    const auto fiveTimes = [] (const std::string& segment) { return "<morvidPatch>" + segment + segment + segment + segment + segment; };
    std::string huge = "<morvidPatch><Properties>";
    for (int i = 0; i < 40000; ++i)
        huge += "<Value property=\"mix\">0.9</Value>";

    return {
        { "a recursive entity", "<!DOCTYPE morvidPatch [<!ENTITY a \"&a;\">]><morvidPatch>&a;</morvidPatch>" },
        { "a declaration, then a recursive entity", "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY e \"&e;\">]><morvidPatch>&e;</morvidPatch>" },
        { "entities expanding entities", "<!DOCTYPE m [<!ENTITY l \"lol\"><!ENTITY l1 \"&l;&l;&l;&l;&l;&l;\">]><morvidPatch>&l1;</morvidPatch>" },
        { "an external entity", "<!DOCTYPE morvidPatch SYSTEM \"/etc/passwd\"><morvidPatch>&x;</morvidPatch>" },
        { "nesting that overflows the parser's stack", nested (5000) }, { "one level deeper than the readers go", nested (9) },
        { "nesting by overlong \"<\"", overlong (100000) }, { "a few overlong \"<\"", overlong (12) },
        { "over 1 MiB", huge + "</Properties></morvidPatch>" }, { "a run of \"<\"", std::string (200000, '<') },
        // JUCE's parser goes round for ever on an instruction followed by
        // text inside an element.
        { "an instruction inside the root", "<morvidPatch><?x?>b</morvidPatch>" },
        { "an instruction inside an element", "<morvidPatch><Properties><?x?>b</Properties></morvidPatch>" },
        { "an instruction inside a number", in ("0.5", "0.<?pi x?>5") },
        { "a comment and instructions inside a number", in ("0.5", "<!--c--> <?x?> <?y?>\n5") },
        { "an instruction after a value", in ("</Value>", "</Value><?x?>&amp;") },
        { "an instruction after the name", in ("</DeviceName>", "</DeviceName><?x?>") },
        // Markup the parser reads in its own way, hiding nesting from a scan.
        { "a stray quote in a tag", fiveTimes ("<a \"<b><b>") }, { "a quote in a closing tag", fiveTimes ("<x></x\"><b><b>") },
        { "a comment closed early", fiveTimes ("<a><a><a><!--></a></a></a>-->") },
        { "an instruction closed early", fiveTimes ("<a><a><a><?></a></a></a>?>") },
        { "an entity holding markup", fiveTimes ("<a><a><a>&</a></a></a>;") },
    };
}
} // namespace hostile
