#pragma once

#include "browser/engine/PageProperties.h"

#include <QDialog>

// "Properties": the title, address, type, size and dates of the page shown.
class PagePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PagePropertiesDialog(const PageProperties &properties, QWidget *parent = nullptr);
};
