#pragma once

#include <QColor>
#include <QString>
#include <optional>

// Character formatting of rich text in the in-memory page. Unset members inherit; a style with
// every member set describes the formatting a character is shown with.
struct MemoryTextStyle
{
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<QString> fontName;
    // Legacy font size, 1 to 7 (3 is the normal size).
    std::optional<int> fontSize;
    std::optional<QColor> foreColor;
    std::optional<QColor> backColor;

    // Sets every member that `over` sets.
    void overlay(const MemoryTextStyle &over);

    // The style of text that nothing formats.
    static MemoryTextStyle plain();
    // The style the text of a text box or text area is shown with.
    static MemoryTextStyle field();

    // A legacy font size as markup and the FontSize command give it ("5", "+1", "-2"),
    // kept within 1 to 7; nothing when the text is not a number.
    static std::optional<int> parseFontSize(const QString &text);
    // Colour and font name as the engine reports them ("rgb(255, 0, 0)", "\"Courier New\"").
    static QString colourText(const QColor &colour);
    static QString fontNameText(const QString &name);
};
