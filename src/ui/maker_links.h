#pragma once

#include <QString>

namespace coilwise {

// The maker's addresses the About box links to. A build names them (COILWISE_MAIL_ADDRESS,
// COILWISE_WEB_ADDRESS); an empty one is a link the box does not show, never a made-up address.
struct MakerLinks {
    QString mail;
    QString web;
};

inline MakerLinks builtInMakerLinks() {
    return {QStringLiteral(COILWISE_MAIL_ADDRESS), QStringLiteral(COILWISE_WEB_ADDRESS)};
}

} // namespace coilwise
