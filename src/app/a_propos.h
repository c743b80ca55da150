#pragma once

#include "ui/modal_window.h"

class QTextEdit;

namespace tandarel {

// The About window: the program's name and version.
class APropos : public ui::ModalWindow {
    Q_OBJECT
public:
    APropos(ui::AppContext& context, QWidget* parent);

    QTextEdit& richText() { return *richText_; }

protected:
    void FormActivate() override;

private:
    QTextEdit* richText_ = nullptr;
};

}  // namespace tandarel
