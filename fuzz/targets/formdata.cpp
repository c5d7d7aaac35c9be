// A form data file (".kbf") filling a form with a control of every kind for each name in it.
#include "FuzzSupport.h"
#include "browser/page/PageFormControl.h"
#include "formdata/FormDataEscapes.h"
#include "formdata/FormDataFile.h"
#include "shell/TextFile.h"

#include <cstdlib>

namespace {
PageFormControl control(const QString &tagName, const QString &type, const QString &name, const QString &value)
{
    PageFormControl control;
    control.tagName = tagName;
    control.type = type;
    control.name = name;
    control.value = value;
    control.visible = true;
    return control;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QString path = FuzzSupport::writeFile(QStringLiteral("input.kbf"), FuzzSupport::bytes(data, size));
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines)
        abort();
    const FormDataFile file(*lines);

    std::vector<PageControlWrite> writes;
    for (const QString &line : *lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString name = FormDataEscapes::unescape(line.left(qMax<qsizetype>(equals, 0)));
        const QString value = FormDataEscapes::unescape(line.mid(equals + 1));
        const PageFormControl controls[] = {
            control(QStringLiteral("SELECT"), QString(), name, value),
            control(QStringLiteral("TEXTAREA"), QString(), name, value),
            control(QStringLiteral("INPUT"), QStringLiteral("TEXT"), name, value),
            control(QStringLiteral("INPUT"), QStringLiteral("EMAIL"), name, value),
            control(QStringLiteral("INPUT"), QStringLiteral("CHECKBOX"), name, value),
            control(QStringLiteral("INPUT"), QStringLiteral("RADIO"), name, value),
            control(QStringLiteral("INPUT"), QStringLiteral("FILE"), name, value),
            control(QStringLiteral("BUTTON"), QString(), name, value),
        };
        for (const PageFormControl &each : controls) {
            file.fill(each, writes);
            // A line the control writes holds no line break of its own.
            if (const std::optional<QString> written = FormDataFile::lineOf(each)) {
                if (written->contains(QLatin1Char('\r')) || written->contains(QLatin1Char('\n')))
                    abort();
            }
        }
    }
    return 0;
}
