#include "platform/ui/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vamo::platform {

namespace {

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon toQt(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Error:
        return QMessageBox::Critical;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

DialogAnswer QtDialogs::message(std::string_view text, std::string_view caption, DialogButtons buttons,
                                DialogIcon icon) {
    QMessageBox box(toQt(icon), toQt(caption), toQt(text),
                    buttons == DialogButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    owner());
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    case QMessageBox::Ok:
        return DialogAnswer::Ok;
    default:
        return buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Ok;
    }
}

std::optional<std::string> QtDialogs::input(std::string_view caption, std::string_view prompt,
                                            std::string_view initial) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(toQt(caption));
    dialog.setLabelText(toQt(prompt));
    dialog.setTextValue(toQt(initial));
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

void QtDialogs::error(std::string_view text) {
    QMessageBox box(QMessageBox::Critical, toQt(errorDialogCaption), toQt(text), QMessageBox::Ok, owner());
    box.exec();
}

} // namespace vamo::platform
