#include "typing/HelpButtonRow.h"
#include "typing/PersonalInfoTab.h"

#include "typing/PersonalInfoEditor.h"
#include "typing/PersonalInfoModel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <limits>

PersonalInfoTab::PersonalInfoTab(PersonalInfoEditor &editor, ShowHelp showHelp, QWidget *parent)
    : QWidget(parent), m_editor(editor), m_showHelp(std::move(showHelp)), m_model(new PersonalInfoModel(editor, this))
{
    auto *layout = new QVBoxLayout(this);
    m_enable = new QCheckBox(QStringLiteral("Enable Personal Info Auto Complete"), this);
    m_enable->setObjectName(QStringLiteral("chkEnable"));
    layout->addWidget(m_enable);

    auto *group = new QGroupBox(QStringLiteral("Personal Info Setup"), this);
    layout->addWidget(group, 1);
    auto *groupLayout = new QVBoxLayout(group);
    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("Add"), group);
    add->setObjectName(QStringLiteral("btnAdd"));
    m_remove = new QPushButton(QStringLiteral("Remove"), group);
    m_remove->setObjectName(QStringLiteral("btnRemove"));
    for (QPushButton *button : {add, m_remove}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    groupLayout->addLayout(buttons);

    m_list = new QTreeView(group);
    m_list->setObjectName(QStringLiteral("lsvPersonalInfo"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    groupLayout->addWidget(m_list, 1);

    groupLayout->addWidget(new QLabel(QStringLiteral("Value:"), group));
    m_value = new QLineEdit(group);
    m_value->setObjectName(QStringLiteral("edValue"));
    m_value->setMaxLength(std::numeric_limits<int>::max());
    groupLayout->addWidget(m_value);
    groupLayout->addWidget(new QLabel(QStringLiteral("Applies to:"), group));
    m_appliesTo = new QPlainTextEdit(group);
    m_appliesTo->setObjectName(QStringLiteral("edAppliesTo"));
    m_appliesTo->setTabChangesFocus(true);
    m_appliesTo->setMaximumHeight(m_appliesTo->fontMetrics().lineSpacing() * 5);
    groupLayout->addWidget(m_appliesTo);

    QPushButton *help = addHelpButtonRow(layout, this);

    connect(add, &QPushButton::clicked, this, [this] {
        const std::optional<int> row = m_editor.add();
        if (!row)
            return;
        showEditor();
        m_list->scrollTo(m_model->index(*row, 0));
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_editor.remove();
        showEditor();
    });
    connect(m_value, &QLineEdit::textEdited, this, [this](const QString &text) { m_editor.editValue(text); });
    connect(m_appliesTo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing)
            m_editor.editAppliesTo(m_appliesTo->toPlainText());
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &PersonalInfoTab::selectionChanged);
    connect(help, &QPushButton::clicked, this, [this] { m_showHelp(QStringLiteral("PERSONALINFOHELP")); });
    showBoxes();
}

void PersonalInfoTab::showEditor()
{
    m_showing = true;
    m_model->refresh();
    showSelection();
    m_showing = false;
    showBoxes();
}

void PersonalInfoTab::showSelection()
{
    const int row = m_editor.selectedRow();
    if (row < 0)
        m_list->selectionModel()->clearSelection();
    else
        m_list->selectionModel()->select(m_model->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void PersonalInfoTab::selectionChanged()
{
    if (m_showing)
        return;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    m_editor.select(rows.isEmpty() ? -1 : rows.first().row());
    // A commit of the entry left changes its shown value.
    m_model->valuesChanged();
    showBoxes();
}

void PersonalInfoTab::showBoxes()
{
    m_showing = true;
    const bool selected = m_editor.selectedRow() >= 0;
    if (m_value->text() != m_editor.valueText())
        m_value->setText(m_editor.valueText());
    if (m_appliesTo->toPlainText() != m_editor.appliesToText())
        m_appliesTo->setPlainText(m_editor.appliesToText());
    // The boxes belong to the selected entry; without one there is nothing to edit.
    m_value->setEnabled(selected);
    m_appliesTo->setEnabled(selected);
    m_remove->setEnabled(selected);
    m_showing = false;
}
