#include "sponsor/ShowHtmlDialog.h"

#include "sponsor/TfrmHTMLDialog.h"

#include <QUrl>

namespace {
void run(TfrmHTMLDialog &dialog, int width, int height, const std::function<void(TfrmHTMLDialog &)> &load)
{
    if (width > 0)
        dialog.setClientWidth(width);
    if (height > 0)
        dialog.setClientHeight(height);
    load(dialog);
    dialog.exec();
}
}

void ShowHtmlDialog(const QString &address, int width, int height,
                    const std::function<void(const QString &address)> &openInActiveBrowser, QWidget *parent)
{
    TfrmHTMLDialog dialog(openInActiveBrowser, parent);
    run(dialog, width, height, [&](TfrmHTMLDialog &d) { d.Navigate(address); });
}

void ShowHtmlDialog(const QString &html, const QUrl &origin, int width, int height,
                    const std::function<void(const QString &address)> &openInActiveBrowser, QWidget *parent)
{
    TfrmHTMLDialog dialog(openInActiveBrowser, parent);
    run(dialog, width, height, [&](TfrmHTMLDialog &d) { d.ShowHtml(html, origin); });
}
