#include "platform/guard.h"

#include "platform/messages.h"
#include "platform/velurinoerror.h"

#include <QString>

#include <new>

bool guarded(QWidget *owner, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const InputRefused &e) {
        inform(owner, e.message());
    } catch (const VelurinoError &e) {
        errorBox(owner, e.message());
    } catch (const std::bad_alloc &) {
        errorBox(owner, QStringLiteral("Memória insuficiente para concluir a operação."));
    } catch (const std::exception &e) {
        errorBox(owner,
                 QStringLiteral("Erro inesperado: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return false;
}
