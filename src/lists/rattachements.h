#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Rattachements : public ui::ModalWindow {
    Q_OBJECT
public:
    Rattachements(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
