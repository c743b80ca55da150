#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/app_context.h"
#include "ui/blink.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QDialog;

namespace tandarel {

class Personnels;
class Remplacements;
class Rattachements;
class Semaine;
class Statistiques;
class APropos;
class Ges_date_system;
class documentation;
class Stat_Non_Remplacement;
class Bilans;
class Suppression_fichier;
class Sauvegardes;

// The main window: creates every window at start, checks the date and the data files
// on its first activation, and opens the other windows modally from its menu.
class Accueil : public QMainWindow {
    Q_OBJECT
public:
    explicit Accueil(ui::AppContext& context);
    ~Accueil() override;


    // How a window is shown modally; a test replaces it to drive the window itself.
    using ModalRunner = std::function<void(QDialog&)>;
    void setModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

    // The five top-level entries, left to right, and the "&?" sub-menu's entries.
    QAction& rattachementsAction() { return *rattachementsAction_; }
    QAction& personnelsAction() { return *personnelsAction_; }
    QAction& remplacementsAction() { return *remplacementsAction_; }
    QAction& quitterAction() { return *quitterAction_; }
    QMenu& helpMenu() { return *helpMenu_; }
    QLineEdit& dateField() { return *dateField_; }
    QLineEdit& timeField() { return *timeField_; }
    QTimer& blinkTimer() { return blinkTimer_; }
    bool startupDone() const { return startupDone_; }

    Semaine& semaine() { return *semaine_; }
    Ges_date_system& dateWindow() { return *gesDateSystem_; }

    // The start-up sequence; runs once, on the first activation.
    void runStartupSequence();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void layOutDatePanel();
    void showDatePanel(bool visible);
    void refreshDatePanel();
    void onBlinkTick();
    void setTopLevelEnabled(bool rattachements, bool personnels, bool remplacements, bool quitter, bool help);
    void open(QDialog& window);
    bool loadWorkingWeek();
    bool createMissingReferenceFiles();

    ui::AppContext& context_;
    ModalRunner runModal_;
    bool startupStarted_ = false;
    bool startupDone_ = false;

    QAction* rattachementsAction_ = nullptr;
    QAction* personnelsAction_ = nullptr;
    QAction* remplacementsAction_ = nullptr;
    QAction* quitterAction_ = nullptr;
    QMenu* helpMenu_ = nullptr;

    QLabel* dateCaption_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    QLineEdit* dateField_ = nullptr;
    QLineEdit* timeField_ = nullptr;
    QTimer blinkTimer_;
    ui::BlinkSequence blink_;

    // Created in this order, after the main window itself.
    std::unique_ptr<Personnels> personnels_;
    std::unique_ptr<Remplacements> remplacements_;
    std::unique_ptr<Rattachements> rattachements_;
    std::unique_ptr<Semaine> semaine_;
    std::unique_ptr<Statistiques> statistiques_;
    std::unique_ptr<APropos> aPropos_;
    std::unique_ptr<Ges_date_system> gesDateSystem_;
    std::unique_ptr<documentation> documentation_;
    std::unique_ptr<Stat_Non_Remplacement> statNonRemplacement_;
    std::unique_ptr<Bilans> bilans_;
    std::unique_ptr<Suppression_fichier> suppressionFichier_;
    std::unique_ptr<Sauvegardes> sauvegardes_;
};

}  // namespace tandarel
