#include "typing/HelpButtonRow.h"
#include "typing/AidListTab.h"

#include "typing/AidListModel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <limits>

namespace {
using Kind = AidListEditor::Kind;

struct TabTexts
{
    QString check;
    QString group;
    QString nameLabel;
    QString valueLabel;
    QString helpPage;
};

TabTexts textsOf(Kind kind)
{
    switch (kind) {
    case Kind::Completion:
        return {QStringLiteral("Enable Text Box Auto Complete"), QStringLiteral("Word and Phrase List"), {}, {},
                QStringLiteral("TBAUTOHELP")};
    case Kind::QuickCorrect:
        return {QStringLiteral("Enable Quick Correct"), QStringLiteral("Quick Correct"), QStringLiteral("Replace:"),
                QStringLiteral("With:"), QStringLiteral("QCORRECTHELP")};
    case Kind::QuickLinks:
        return {QStringLiteral("Enable Quick Links"), QStringLiteral("Quick Links"), QStringLiteral("Link Word"),
                QStringLiteral("Link Location"), QStringLiteral("QLINKSHELP")};
    case Kind::QuickInsert:
        return {QStringLiteral("Enable Quick Insert"), QStringLiteral("Quick Insert"), QStringLiteral("Shortcut:"),
                QStringLiteral("Insert:"), QStringLiteral("QINSERTHELP")};
    case Kind::QuickWords:
        break;
    }
    return {QStringLiteral("Enable Quick Words"), QStringLiteral("Quick Words"), QStringLiteral("Replace:"),
            QStringLiteral("With:"), QStringLiteral("QWORDSHELP")};
}

QLineEdit *entryBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    // Entries of any length load from the files; a box must never cut one short.
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    // Enter in an entry box means "&Add", never a default button of the window.
    pushButton->setAutoDefault(false);
    pushButton->setEnabled(false);
    return pushButton;
}
}

AidListTab::AidListTab(AidListEditor &editor, ShowHelp showHelp, QWidget *parent)
    : QWidget(parent), m_editor(editor), m_showHelp(std::move(showHelp)), m_model(new AidListModel(editor, this))
{
    const TabTexts texts = textsOf(editor.kind());
    m_layout = new QVBoxLayout(this);
    m_enable = new QCheckBox(texts.check, this);
    m_enable->setObjectName(QStringLiteral("chkEnable"));
    m_layout->addWidget(m_enable);

    auto *group = new QGroupBox(texts.group, this);
    m_layout->addWidget(group, 1);
    auto *grid = new QGridLayout(group);
    m_name = entryBox(QStringLiteral("edName"), group);
    if (editor.hasValue()) {
        grid->addWidget(new QLabel(texts.nameLabel, group), 0, 0);
        grid->addWidget(new QLabel(texts.valueLabel, group), 0, 1);
        m_value = entryBox(QStringLiteral("edValue"), group);
        if (editor.kind() == Kind::QuickInsert) {
            auto *shortcut = new QHBoxLayout;
            shortcut->addWidget(new QLabel(AidListEditor::InsertCaptionPrefix, group));
            m_name->setMaxLength(1);
            m_name->setFixedWidth(m_name->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
            shortcut->addWidget(m_name);
            shortcut->addStretch();
            grid->addLayout(shortcut, 1, 0);
        } else {
            grid->addWidget(m_name, 1, 0);
        }
        grid->addWidget(m_value, 1, 1);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(1, 2);
    } else {
        grid->addWidget(m_name, 1, 0, 1, 2);
    }
    buildList(group);
    grid->addWidget(m_view, 2, 0, 1, 2);

    auto *buttons = new QVBoxLayout;
    m_add = button(QStringLiteral("&Add"), QStringLiteral("btnAdd"), group);
    m_remove = button(QStringLiteral("&Remove"), QStringLiteral("btnRemove"), group);
    m_update = button(QStringLiteral("&Update"), QStringLiteral("btnUpdate"), group);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addWidget(m_update);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 2);

    QPushButton *help = addHelpButtonRow(m_layout, this);

    connect(m_name, &QLineEdit::textEdited, this, &AidListTab::nameEdited);
    connect(m_name, &QLineEdit::returnPressed, m_add, [this] {
        if (m_add->isEnabled())
            m_add->click();
    });
    if (m_value) {
        connect(m_value, &QLineEdit::textEdited, this, &AidListTab::valueEdited);
        connect(m_value, &QLineEdit::returnPressed, m_add, [this] {
            if (m_add->isEnabled())
                m_add->click();
        });
    }
    if (m_twoColumns) {
        // The columns follow the list's size and the place of the value box.
        m_twoColumns->installEventFilter(this);
        m_value->installEventFilter(this);
    }
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &AidListTab::selectionChanged);
    connect(m_add, &QPushButton::clicked, this, [this] { afterChange(m_editor.add()); });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_editor.remove();
        afterChange(std::nullopt);
    });
    connect(m_update, &QPushButton::clicked, this, [this] {
        m_editor.update();
        afterChange(std::nullopt);
    });
    connect(help, &QPushButton::clicked, this, [this, page = texts.helpPage] { m_showHelp(page); });
}

void AidListTab::buildList(QWidget *group)
{
    if (m_editor.hasValue()) {
        m_twoColumns = new QTreeView(group);
        m_twoColumns->setRootIsDecorated(false);
        m_twoColumns->setUniformRowHeights(true);
        m_twoColumns->setAllColumnsShowFocus(true);
        m_twoColumns->header()->hide();
        m_twoColumns->header()->setStretchLastSection(false);
        m_view = m_twoColumns;
    } else {
        auto *list = new QListView(group);
        list->setUniformItemSizes(true);
        m_view = list;
    }
    m_view->setObjectName(QStringLiteral("lsvEntries"));
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void AidListTab::addOptions(QWidget *options)
{
    m_layout->insertWidget(1, options);
}

void AidListTab::showEditor()
{
    m_showing = true;
    m_model->refresh();
    showBoxesAndButtons();
    m_showing = false;
}

void AidListTab::nameEdited(const QString &text)
{
    m_editor.editName(text);
    showBoxesAndButtons();
}

void AidListTab::valueEdited(const QString &text)
{
    m_editor.editValue(text);
    showBoxesAndButtons();
}

void AidListTab::selectionChanged()
{
    if (m_showing)
        return;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    m_editor.select(rows.isEmpty() ? -1 : rows.first().row());
    showBoxesAndButtons();
}

void AidListTab::afterChange(std::optional<int> scrollTo)
{
    showEditor();
    if (scrollTo)
        m_view->scrollTo(m_model->index(*scrollTo, 0));
}

void AidListTab::showBoxesAndButtons()
{
    if (m_name->text() != m_editor.nameText())
        m_name->setText(m_editor.nameText());
    if (m_value && m_value->text() != m_editor.valueText())
        m_value->setText(m_editor.valueText());
    m_add->setEnabled(m_editor.addEnabled());
    m_remove->setEnabled(m_editor.removeEnabled());
    m_update->setEnabled(m_editor.updateEnabled());
}

bool AidListTab::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void AidListTab::fitColumns()
{
    // The name column reaches from the left of the first entry box (Quick Insert: of the list)
    // to the left of the value box; the value column takes the rest, less one pixel.
    QWidget *anchor = m_editor.kind() == Kind::QuickInsert ? static_cast<QWidget *>(m_twoColumns) : m_name;
    const int nameWidth = m_value->mapTo(this, QPoint()).x() - anchor->mapTo(this, QPoint()).x();
    QHeaderView *header = m_twoColumns->header();
    header->resizeSection(0, qMax(0, nameWidth));
    header->resizeSection(1, qMax(0, m_twoColumns->viewport()->width() - nameWidth - 1));
}
