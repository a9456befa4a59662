#include "document/ui/candidate_list.h"

#include "platform/ui/codec.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

#include <utility>

class CandidateList::Model : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setWords(std::vector<std::string> words) {
        beginResetModel();
        words_ = std::move(words);
        endResetModel();
    }
    const std::vector<std::string>& words() const { return words_; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(words_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return toQString(words_[static_cast<std::size_t>(index.row())]);
    }

private:
    std::vector<std::string> words_;
};

CandidateList::CandidateList(QWidget* parent) : QListView(parent), model_(new Model(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CandidateList::showWords(std::vector<std::string> words) { model_->setWords(std::move(words)); }

int CandidateList::count() const { return model_->rowCount(); }

std::optional<std::string> CandidateList::selectedWord() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current)) return std::nullopt;
    return model_->words()[static_cast<std::size_t>(current.row())];
}

void CandidateList::selectRow(int row) { setCurrentIndex(model_->index(row)); }
