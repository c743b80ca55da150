#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Suppression_fichier : public ui::ModalWindow {
    Q_OBJECT
public:
    Suppression_fichier(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
