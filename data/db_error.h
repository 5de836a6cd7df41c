// The two ways a failed statement travels. DbError carries the engine's own text and is what every
// failed open raises; ActionAbandoned is raised by lookups whose failure must end the whole user
// action without a word, and is caught where the action began.
#pragma once

#include <QString>
#include <stdexcept>

class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

class ActionAbandoned : public std::exception {
public:
    const char* what() const noexcept override { return "action abandoned"; }
};
