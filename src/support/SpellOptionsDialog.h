#pragma once

#include "support/SpellOptions.h"

#include <QDialog>
#include <optional>

class QCheckBox;

// "Spell Checker Options": the options the user may change, one check box each.
class SpellOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SpellOptionsDialog(const SpellOptions &options, QWidget *parent = nullptr);

    SpellOptions options() const;
    // Shows the dialog modally: the new options, or nothing when cancelled.
    static std::optional<SpellOptions> ask(const SpellOptions &options, QWidget *parent);

private:
    QCheckBox *addBox(const QString &caption, const QString &name, bool checked);

    SpellOptions m_options;
    QCheckBox *m_upperCase;
    QCheckBox *m_numbers;
    QCheckBox *m_html;
    QCheckBox *m_internet;
    QCheckBox *m_recheck;
};
