#pragma once

// What the spell checker skips and how it goes on after a change. The "ignore" options name
// words it passes over without asking.
struct SpellOptions
{
    bool ignoreUpperCase = false;  // "soUpcase": words written wholly in capitals
    bool ignoreNumbers = false;    // "soNumbers": words with digits in them
    bool ignoreHtml = true;        // "soHTML": HTML tags and character entities
    bool ignoreInternet = true;    // "soInternet": web and mail addresses, file paths
    bool recheck = true;           // "soRecheck": a replaced word is checked again
    bool repeated = true;          // "soRepeated": a word written twice in a row is reported
    bool primaryOnly = true;       // "soPrimaryOnly": suggestions from the first dictionary only

    bool operator==(const SpellOptions &) const = default;
};
