#pragma once

#include <QObject>
#include <memory>

class PageFixture;

// The behaviour every PageDocument implementation owes the page tools, checked on pages that
// the given fixture loads: the in-memory page and the real engine run the same cases, so the
// in-memory page cannot drift from what the engine does. The clipboard cases expect a page
// that may use the clipboard through the editing commands.
class PageDocumentContract : public QObject
{
    Q_OBJECT

public:
    explicit PageDocumentContract(std::unique_ptr<PageFixture> fixture);
    ~PageDocumentContract() override;

private slots:
    void init();

    void focusMovesThroughFramesAndNestedFrames();
    void framesetPagesReportTheFocusedFrame();
    void inputsReportTheirEffectiveType();
    void textBoxesAndPasswordBoxesTakeSingleLineValues();
    void textAreasKeepLinesWithLineFeeds();
    void selectsChooseByIndexAndByValue();
    void checkBoxesAndRadioGroups();
    void fileInputsOnlyAcceptAnEmptyValue();
    void formsListTheirControlsInDocumentOrder();
    void formsAreReadWholeWithTheFocusedElement();
    void formWritesChangeManyControlsInOneStep();
    void formControlsTellWhetherTheUserCanSeeThem();
    void elementsOfTheWrongKindFailSoftly();
    void selectionAndCaretInATextBox();
    void selectionAndCaretInATextArea();
    void textRangesMoveCollapseAndReplace();
    void textRangesFindWordsOnLaterLinesOfATextArea();
    void textRangesMarkFieldTextAndANewValueTakesTheMarksOff();
    void selectAllSelectsTheFocusedFieldOrTheDocument();
    void clipboardCommandsRoundTripInATextBox();
    void clipboardCommandsFollowTheKindOfField();
    void formattingCommandsActOnEditableContentOnly();
    void commandNamesIgnoreCaseAndUnknownNamesAnswerFalse();
    void urlsNameTheDocumentAndItsFrames();
    void bodyInnerTextShowsTheVisibleTextByLines();
    void documentColoursRoundTripPerDocument();

private:
    std::unique_ptr<PageFixture> m_fixture;
};
