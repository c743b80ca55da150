#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Statistiques : public ui::ModalWindow {
    Q_OBJECT
public:
    Statistiques(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
