#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QWebEngineFindTextResult;
class QWebEngineView;

// The find bar of a browser view: a box over the top right of the page whose text the
// engine's own find looks for as it is typed; Enter and the arrows go to the next or previous
// match, Escape or the close button end the search and clear its highlight. Beside the box the
// bar shows which match is current and how many there are, or "not found".
class FindBar : public QWidget
{
    Q_OBJECT
public:
    explicit FindBar(QWebEngineView &view);

    // Shows the bar with its text selected and the keyboard in it.
    void open();
    void findNext();
    void findPrevious();
    void dismiss();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void place();
    void showResult(const QWebEngineFindTextResult &result);

    QWebEngineView &m_view;
    QLineEdit *m_text;
    QLabel *m_result;
};
