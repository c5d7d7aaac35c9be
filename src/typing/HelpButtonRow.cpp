#include "typing/HelpButtonRow.h"

#include <QBoxLayout>
#include <QPushButton>

QPushButton *addHelpButtonRow(QBoxLayout *layout, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *help = new QPushButton(QStringLiteral("&What is this?"), parent);
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setAutoDefault(false);
    row->addWidget(help);
    layout->addLayout(row);
    return help;
}
