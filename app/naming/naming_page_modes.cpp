// The list and idiom modes of the naming page: the mode switch, the search on the user-interface
// thread and the pages of its result in the grid RzStringGrid1. The work is done by RunListSearch
// and ListPager (naming/); the page reads its controls and fills the grid.
#include "naming_page.h"

#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/recommended_list.h"
#include "app/notice.h"
#include "calendar/missing_elements.h"
#include "naming/element_source.h"
#include "naming/idiom_list.h"
#include "naming/list_search.h"
#include "naming/name_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

void NamingPage::RzRadioButton6Click()
{
    MemoSuccess->show();
    RzStringGrid1->hide();  // its rows stay for the list modes
    RzBitBtn2->setText(QStringLiteral("停止起名"));
    RzBitBtn2->setEnabled(true);
}

void NamingPage::RzRadioButton7Click()
{
    RzStringGrid1->show();
    MemoSuccess->hide();
    RzBitBtn2->setText(QStringLiteral("继续显示"));
    RzBitBtn2->setEnabled(true);
}

void NamingPage::runListMode()
{
    runListSearch(ListMode::List);
}

void NamingPage::runIdiomMode()
{
    runListSearch(ListMode::Idiom);
}

void NamingPage::runListSearch(ListMode mode)
{
    if (Xing->text().trimmed().isEmpty()) {
        showNotice(this, QStringLiteral("姓不能为空!"));
        return;
    }
    ListSearchOptions o;
    o.surnameBox = Xing->text();
    o.sex = CBsex->currentIndex() == 1 ? ChildSex::Girl : ChildSex::Boy;
    o.length = CBXingshi->currentIndex() == 1 ? NameLength::Single : NameLength::Double;
    o.fixedChar = Gudingzi->text();
    o.fixedAt = CBdijizi->currentIndex() == 1 ? FixedPosition::Third : FixedPosition::Second;
    o.minScoreChecked = CBFeeXX->isChecked();
    o.minScoreText = ZuidiFee->text();
    o.planText = CBCode->currentText();
    o.matchElements = CBwuxing->isChecked();
    o.mode = mode;
    if (o.matchElements) {
        // As in the classic mode, the child's own chart decides.
        const auto missing = ChartElementsFor(readBirthInfo(birthRow), state_.elementChoice);
        if (!missing) {
            showNotice(this, missing.error());
            return;
        }
        state_.missingElements = *missing;
    }

    // These modes run here, on the user-interface thread, and leave the classic worker's stop flag
    // alone: setting it would let a classic search that is stopping run on.
    MemoSuccess->clear();
    takePartialRow(state_);
    RzPageControl2->results().clear();
    recommendedList->clear();
    auto result = RunListSearch(o, state_.missingElements);
    if (!result) return;  // a failure ends the action silently; the grid keeps its rows

    listResult_ = std::move(*result);
    listMode_ = mode;
    listPager_ = ListPager(listResult_->rowCount());
    statusIsClassic_ = false;  // a classic search stopping behind this one no longer speaks
    showProgress(listResult_->rowCount(), SearchProgress::Ended);
    RzBitBtn2->setEnabled(listResult_->rowCount() > state_.ListPageSize);
    if (listResult_->rowCount() == 0) {
        showNotice(this, noListNameMessage());
        return;
    }
    showNextListPage();
    const ListResult& rows = *listResult_;
    NameCandidates candidates;
    candidates.count = rows.rowCount();
    candidates.given = [&](int i) { return rows.givenName(i + 1); };
    candidates.score = [&](int i) { return rows.score(i + 1); };
    candidates.line = [&](int i) { return pickLine(rows.row(i + 1)); };
    recommendedList->rank(Xing->text().trimmed(), o.sex, o.fixedChar.trimmed(), candidates);
}

void NamingPage::showNextListPage()
{
    if (!listResult_) return;
    const ListResult& result = *listResult_;
    RzStringGrid1->clearContents();
    RzBitBtn2->setEnabled(false);

    // A pick score that is no number picks nothing, as in the classic mode.
    const std::optional<int> pick = pickScore();
    QStringList picked;
    const std::vector<int> rows = listPager_.nextPage(state_.ListPageSize, listRandom_);
    for (int r = 0; r < int(rows.size()); ++r) {
        const NameRow row = result.row(rows[size_t(r)], r + 1);
        for (int c = 0; c < kListColumnCount; ++c)
            RzStringGrid1->setItem(r, c, new QTableWidgetItem(cellText(row, ListColumn(c))));
        if (listMode_ == ListMode::Idiom)
            RzStringGrid1->item(r, int(ListColumn::Name))->setToolTip(idiomToolTip(row.givenName()));
        if (pick && row.score() >= *pick) picked << pickLine(row);
    }
    RzPageControl2->results().append(picked);
    RzBitBtn2->setEnabled(listPager_.moreToShow());
}
