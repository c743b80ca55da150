#pragma once

#include <vector>

#include "backup/backup.h"
#include "ui/modal_window.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tandarel {

// Lists the archives of sauvegardes/, newest first, and restores the chosen one after
// a question, once the data as they are have been archived themselves.
class Sauvegardes : public ui::ModalWindow {
    Q_OBJECT
public:
    Sauvegardes(ui::AppContext& context, QWidget* parent);

    QLabel& heading() { return *heading_; }
    QTableWidget& table() { return *table_; }
    QPushButton& restaurer() { return *restaurer_; }
    QPushButton& quitter() { return *quitter_; }

signals:
    // Data files were rewritten: what the program holds in memory must be read again.
    void restored();

protected:
    void FormActivate() override;

private:
    void fillTable();
    void onRestaurer();
    void restore(const ArchiveSummary& chosen);

    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* restaurer_ = nullptr;
    QPushButton* quitter_ = nullptr;
    std::vector<ArchiveSummary> archives_;
};

}  // namespace tandarel
