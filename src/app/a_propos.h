#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class APropos : public ui::ModalWindow {
    Q_OBJECT
public:
    APropos(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
