#include "common/qt/message_box.h"

#include <QMessageBox>
#include <QString>

namespace trochograph {

MessageAnswer showMessageBox(QWidget* owner, const Message& message)
{
    const QMessageBox::Icon icon = message.icon == MessageIcon::information ? QMessageBox::Information
                                   : message.icon == MessageIcon::warning   ? QMessageBox::Warning
                                                                            : QMessageBox::NoIcon;
    const bool yesNo = message.buttons == MessageButtons::yesNo;
    QMessageBox box(icon, QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    message.owned ? owner : nullptr);
    // File names are shown as they are: "<b>" in a name is not bold type.
    box.setTextFormat(Qt::PlainText);
    // Boxes without an owner still stop the whole program until they are answered.
    box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    if (!yesNo) return MessageAnswer::ok;
    return answer == QMessageBox::Yes ? MessageAnswer::yes : MessageAnswer::no;
}

}  // namespace trochograph
