#include "tables/QtFileDialogSink.h"

#include <QApplication>
#include <QFileDialog>
#include <QString>
#include <vector>

namespace platform {

std::string QtFileDialogSink::ToQtFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);

    std::string result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        std::string patterns = parts[i + 1];
        if (description.empty() && patterns.empty())
            break; // the "||" that ends the list
        for (char& c : patterns)
            if (c == ';')
                c = ' ';
        std::string entry = description;
        if (entry.find('(') == std::string::npos)
            entry += " (" + patterns + ")";
        else if (entry.find(patterns) == std::string::npos) {
            // Qt reads the patterns from the parentheses: make them the real ones.
            entry = entry.substr(0, entry.find('(')) + "(" + patterns + ")";
        }
        if (!result.empty())
            result += ";;";
        result += entry;
    }
    if (result.empty() && parts.size() == 1 && !parts[0].empty())
        result = parts[0]; // already a Qt filter or a bare pattern
    return result;
}

bool QtFileDialogSink::GetOpenFileName(const std::string& filter, std::string& path)
{
    QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                  QString::fromStdString(ToQtFilter(filter)));
    if (chosen.isEmpty())
        return false;
    path = chosen.toStdString();
    return true;
}

bool QtFileDialogSink::GetSaveFileName(const std::string& filter, const std::string& suggested, std::string& path)
{
    QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Save as"),
                                                  QString::fromStdString(suggested),
                                                  QString::fromStdString(ToQtFilter(filter)));
    if (chosen.isEmpty())
        return false;
    path = chosen.toStdString();
    return true;
}

} // namespace platform
