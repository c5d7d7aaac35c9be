// Form data files on a real page: a form of 2,000 fields (text boxes, text areas, check boxes,
// radio buttons, selects) saved with "Save All Form Data" and put back with "Insert Form Data
// From File", each read and written in one page round trip. The baseline, measured in the same
// run, reads the same form one field at a time (form item, name and value calls), as a
// per-field implementation would. Prints the median time of each, the ratio, and how many
// distinct gauge positions each command showed.
#include "../BenchKit.h"
#include "../BenchPage.h"
#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageForm.h"
#include "formdata/FormDataCommands.h"
#include "pagetools/ActiveDocument.h"
#include "testkit/LoopbackServer.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <algorithm>
#include <cstdio>
#include <vector>

using BenchKit::median;

namespace {
constexpr int Fields = 2000;
constexpr int Runs = 3;

QByteArray page()
{
    QByteArray html = "<!DOCTYPE html><html><head><title>form</title></head><body><form id=\"big\">";
    for (int i = 0; i < Fields; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (i % 10) {
        case 0:
            html += "<textarea name=\"area" + n + "\">line one = " + n + "\nline two</textarea>";
            break;
        case 1:
            html += "<input type=\"checkbox\" name=\"tick" + n + "\"" + (i % 20 == 1 ? " checked" : "") + "/>";
            break;
        case 2:
            html += "<select name=\"list" + n + "\"><option>a</option><option>b</option><option>c</option></select>";
            break;
        case 3:
            html += "<input type=\"radio\" name=\"group" + QByteArray::number(i / 100) + "\" value=\"v" + n + "\"/>";
            break;
        default:
            html += "<input name=\"box" + n + "\" value=\"value " + n + "\"/>";
        }
    }
    return html + "</form></body></html>";
}

// Reads every field of the form one call at a time: the per-field way.
int readFieldByField(PageDocument &document)
{
    const auto focused = document.activeElement();
    const auto form = focused ? focused->form() : nullptr;
    int read = 0;
    for (int i = 0, length = form ? form->length() : 0; i < length; ++i) {
        const auto element = form->item(i);
        if (element && !element->name().isEmpty() && !element->value().isNull())
            ++read;
    }
    return read;
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    LoopbackServer server;
    server.serve(QStringLiteral("/form.html"), page());
    TKestrelWB view;
    view.resize(800, 600);
    view.show();
    auto *control = qobject_cast<WebEngineControl *>(view.control());
    if (!BenchKit::loadInView(view, server.url(QStringLiteral("/form.html")))) {
        std::fprintf(stderr, "formfiles: the page did not load\n");
        return 1;
    }
    const auto document = [&view] { return focusedDocumentOf(view.Document()); };
    // The caret goes into the form's first text area.
    control->focusPage();
    bool focused = false;
    for (int attempt = 0; attempt < 20 && !focused; ++attempt) {
        control->page()->runJavaScript(QStringLiteral("document.querySelector('#big textarea').focus()"));
        waitUntil([] { return false; }, 50);
        const auto current = document();
        const auto form = current ? current->focusedForm() : std::nullopt;
        focused = form && form->inForm;
    }
    if (!focused) {
        std::fprintf(stderr, "formfiles: no field took the focus\n");
        return 1;
    }

    ScriptedPrompter prompter;
    CommandRegistry commands;
    QSet<int> gaugePositions;
    FormDataCommands formData(commands, prompter,
                              FormDataCommands::Collaborators{document, [](const QString &) {},
                                                              [&gaugePositions](int percent) {
                                                                  gaugePositions.insert(percent);
                                                              }});
    const QString file = folder.filePath(QStringLiteral("big.kbf"));
    QElapsedTimer timer;
    std::vector<double> saves, inserts, baseline;
    int saveGauge = 0, insertGauge = 0;
    for (int run = 0; run < Runs; ++run) {
        gaugePositions.clear();
        prompter.queueText(file);
        timer.start();
        formData.SaveAllFormData1Click();
        saves.push_back(double(timer.nsecsElapsed()) / 1e6);
        saveGauge = int(gaugePositions.size());

        gaugePositions.clear();
        prompter.queueText(file);
        timer.start();
        formData.InsertFormDataFromFile1Click();
        inserts.push_back(double(timer.nsecsElapsed()) / 1e6);
        insertGauge = int(gaugePositions.size());

        timer.start();
        const auto current = document();
        const int read = current ? readFieldByField(*current) : 0;
        baseline.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (read < Fields / 2) {
            std::fprintf(stderr, "formfiles: the field-by-field read found %d fields\n", read);
            return 1;
        }
    }
    const QString said = prompter.texts().isEmpty() ? QString() : prompter.texts().constLast();
    std::printf("formfiles: %d fields, save %.0f ms, insert %.0f ms (target under 1000 ms each); "
                "field-by-field read %.0f ms, %.1fx the save\n",
                Fields, median(saves), median(inserts), median(baseline), median(baseline) / std::max(median(saves), 0.001));
    std::printf("formfiles: gauge showed %d positions saving and %d inserting; the insert said \"%s\"\n", saveGauge,
                insertGauge, qPrintable(said));
    return 0;
}
