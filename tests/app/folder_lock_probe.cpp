// A second program on a data folder, as the office would start one: takes the folder
// given on the command line the way the program does at start. Prints "held" and keeps
// it until its standard input ends, or prints the refusal and ends with code 1.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "app/folder_lock.h"
#include "ui/messages.h"

namespace {

class PrintedMessages final : public tandarel::ui::Messages {
public:
    void inform(const QString& text) override { std::cout << text.toStdString() << std::endl; }
    bool ask(const QString&, const QString& text) override {
        inform(text);
        return false;
    }
    void error(const QString& text) override { inform(text); }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    PrintedMessages messages;
    const auto lock = tandarel::takeDataFolder(argv[1], messages);
    if (!lock) return 1;
    std::cout << "held" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
    }
    return 0;
}
