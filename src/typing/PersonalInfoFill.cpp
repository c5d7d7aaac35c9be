#include "typing/PersonalInfoFill.h"

#include "browser/page/PageDocument.h"
#include "shell/SettingsStore.h"
#include "typing/NameValueLine.h"
#include "typing/PersonalInfoLists.h"
#include "typing/TypingAidFiles.h"
#include "typing/TypingAidSwitches.h"
#include "ui/Prompter.h"

#include <optional>

namespace {
QString firstLineNamed(const QStringList &lines, const QString &name)
{
    for (const QString &line : lines) {
        if (NameValueLine::nameOf(line).compare(name, Qt::CaseInsensitive) == 0)
            return line;
    }
    return QString();
}
}

PersonalInfoFill::PersonalInfoFill(Collaborators collaborators) : m_collaborators(std::move(collaborators)) {}

PersonalInfoFill::AppliesTo PersonalInfoFill::SplitAppliesTo(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString text = equals < 0 ? QString() : line.mid(equals + 1);
    const qsizetype separator = text.indexOf(PersonalInfoLists::TitleSeparator);
    if (separator < 0)
        return {text, QString()};
    return {text.left(separator), text.mid(separator + PersonalInfoLists::TitleSeparator.size())};
}

QString PersonalInfoFill::question(const PageFormControl &field, const QString &value)
{
    QString text = QStringLiteral("The field named \"") + field.name + QLatin1Char('"');
    if (!field.vcardName.isEmpty())
        text += QStringLiteral(" with the VCard name \"") + field.vcardName + QLatin1Char('"');
    return text + QStringLiteral(" already has the value \"") + field.value
           + QStringLiteral("\".  Are you sure you want to change this value to \"") + value + QStringLiteral("\"?");
}

QString PersonalInfoFill::chooseLine(const QStringList &appliesTo, const PageFormControl &field)
{
    if (!field.vcardName.isEmpty()) {
        const QString byVcard = firstLineNamed(appliesTo, field.vcardName);
        if (!byVcard.isEmpty())
            return byVcard;
    }
    return field.name.isEmpty() ? QString() : firstLineNamed(appliesTo, field.name);
}

void PersonalInfoFill::FillPersonalInfo()
{
    const SettingsStore &store = *m_collaborators.store;
    if (!store.readBool(SettingsStore::MainSection, TypingAidSwitches::FormAutoFillKey, true))
        return;
    const std::optional<QStringList> file =
        TypingAidFiles::read(m_collaborators.dataFolder, TypingAidFiles::PersonalInfo);
    if (!file)
        return;
    QStringList appliesTo;
    for (const QString &line : PersonalInfoLists::section(*file, PersonalInfoLists::AppliesToHeader)) {
        if (!NameValueLine::nameOf(line).isEmpty())
            appliesTo.append(line);
    }

    const std::shared_ptr<PageDocument> document = m_collaborators.activeDocument();
    const std::optional<PageFocusedForm> form = document ? document->focusedForm() : std::nullopt;
    if (!form || !form->inForm || !form->focused.isTextField())
        return;

    std::vector<PageControlWrite> writes;
    const auto apply = [&] {
        if (!writes.empty())
            document->writeControls(writes);
        writes.clear();
    };
    for (const PageFormControl &field : form->controls) {
        if (!field.isTextField() || !field.visible)
            continue;
        const QString value = SplitAppliesTo(chooseLine(appliesTo, field)).value;
        if (value.isEmpty())
            continue;
        if (!field.value.isEmpty() && field.value != value) {
            // The user sees the fields filled so far while deciding.
            apply();
            const Prompter::Answer answer = m_collaborators.prompter->question(question(field, value));
            if (answer == Prompter::Answer::Cancel)
                break;
            if (answer == Prompter::Answer::No)
                continue;
        }
        writes.push_back(PageControlWrite::setValue(field.element, value));
    }
    apply();
}
