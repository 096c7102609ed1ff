#pragma once

// In-process stand-ins for the platform's message box, clock, random source and failure report.
// Each one is installed for the lifetime of the object and puts the real one back afterwards.

#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/message_box.h"
#include "platform/random.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Answers every message box at once and remembers its text; onShow runs while the box is "open".
class AnsweredMessageBoxes {
public:
    explicit AnsweredMessageBoxes(std::function<void(const QString&)> onShow = {})
        : onShow_(std::move(onShow))
        , previous_(platform::setMessageBoxPresenter([this](const QString& text) {
            texts.append(text);
            if (onShow_)
                onShow_(text);
        })) {}
    ~AnsweredMessageBoxes() { platform::setMessageBoxPresenter(std::move(previous_)); }
    AnsweredMessageBoxes(const AnsweredMessageBoxes&) = delete;
    AnsweredMessageBoxes& operator=(const AnsweredMessageBoxes&) = delete;

    QStringList texts;

private:
    std::function<void(const QString&)> onShow_;
    platform::MessageBoxPresenter previous_;
};

// A clock whose date and reading stand still unless a test moves them.
class FrozenClock {
public:
    explicit FrozenClock(QDate date = QDate(2026, 12, 11), std::int64_t reading = 42)
        : date(date)
        , reading(reading)
        , previous_(platform::setClock({[this] {
                                            ++datesRead;
                                            return this->date;
                                        },
                                        [this] { return this->reading; }})) {}
    ~FrozenClock() { platform::setClock(std::move(previous_)); }
    FrozenClock(const FrozenClock&) = delete;
    FrozenClock& operator=(const FrozenClock&) = delete;

    QDate date;
    std::int64_t reading;
    int datesRead = 0;

private:
    platform::Clock previous_;
};

// A random source that plays back a fixed list of numbers, then falls back to a seeded mixer.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script)
        : script_(std::move(script)) {}
    float next() override { return at_ < script_.size() ? script_[at_++] : rest_.next(); }
    void reseed(std::int64_t reading) override {
        ++reseeds;
        rest_.reseed(reading);
    }
    int reseeds = 0;

private:
    std::vector<float> script_;
    std::size_t at_ = 0;
    platform::MixingRandom rest_;
};

// Installs a random source for the lifetime of the object.
template <typename Source> class InstalledRandom {
public:
    template <typename... Args> explicit InstalledRandom(Args&&... args) {
        auto source = std::make_unique<Source>(std::forward<Args>(args)...);
        installed = source.get();
        previous_ = platform::setRandomSource(std::move(source));
    }
    ~InstalledRandom() { platform::setRandomSource(std::move(previous_)); }
    InstalledRandom(const InstalledRandom&) = delete;
    InstalledRandom& operator=(const InstalledRandom&) = delete;

    Source* installed = nullptr;

private:
    std::unique_ptr<platform::RandomSource> previous_;
};

// Turns the failure report into an exception that a test can catch.
class ThrowingFailures {
public:
    ThrowingFailures()
        : previous_(platform::setFailureHandler(
              [](const QString& what) { throw platform::Failure(what); })) {}
    ~ThrowingFailures() { platform::setFailureHandler(std::move(previous_)); }
    ThrowingFailures(const ThrowingFailures&) = delete;
    ThrowingFailures& operator=(const ThrowingFailures&) = delete;

private:
    platform::FailureHandler previous_;
};
