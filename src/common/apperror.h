#pragma once
// The program's one error: a number and a description, as the messages that
// show "number: description" need them.

#include <QString>

#include <exception>

namespace orbilex {

struct AppError : std::exception {
    int number = 0;
    QString description;

    AppError(int number, QString description)
        : number(number)
        , description(std::move(description))
    {
    }
    const char *what() const noexcept override { return "AppError"; }

    static AppError fileNotFound() { return {53, QStringLiteral("File not found")}; }
    static AppError pathFileAccess() { return {75, QStringLiteral("Path/File access error")}; }
};

// Runs one step of a step-guarded sequence: a failing step is skipped without
// a message and the sequence goes on. Returns whether the step completed.
template<typename Step>
bool guarded(Step &&step) noexcept
{
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace orbilex
