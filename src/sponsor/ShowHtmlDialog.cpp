#include "sponsor/ShowHtmlDialog.h"

#include "sponsor/TfrmHTMLDialog.h"

void ShowHtmlDialog(const QString &address, int width, int height,
                    const std::function<void(const QString &address)> &openInActiveBrowser, QWidget *parent)
{
    TfrmHTMLDialog dialog(openInActiveBrowser, parent);
    if (width > 0)
        dialog.setClientWidth(width);
    if (height > 0)
        dialog.setClientHeight(height);
    dialog.Navigate(address);
    dialog.exec();
}
