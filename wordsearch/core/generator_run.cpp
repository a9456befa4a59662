#include "wordsearch/core/generator_run.h"

#include <exception>

int GeneratorTable::acquire() {
    std::lock_guard lock(mutex_);
    for (int slot = 1; slot <= kSize; ++slot) {
        if (!used_[slot]) {
            used_[slot] = true;
            return slot;
        }
    }
    return 0;
}

void GeneratorTable::release(int slot) {
    std::lock_guard lock(mutex_);
    if (slot >= 1 && slot <= kSize) used_[slot] = false;
}

int GeneratorTable::inUse() const {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (int slot = 1; slot <= kSize; ++slot) count += used_[slot] ? 1 : 0;
    return count;
}

GeneratorTable& generatorTable() {
    static GeneratorTable table;
    return table;
}

struct Tosm::Run {
    GeneratorControl control;
    std::atomic<bool> ended{false};
    std::atomic<GeneratorOutcome> outcome{GeneratorOutcome::Stopped};
    std::jthread thread;  // last member: joined before the flags it uses go away
};

Tosm::Tosm(GeneratorListener& listener, RandomSource& random, GeneratorTable& table)
    : listener_(listener), random_(random), table_(table) {}

Tosm::~Tosm() { stop(); }

Tosm::StartResult Tosm::start(GeneratorSetup setup) {
    stop();
    run_.reset();
    const int slot = table_.acquire();
    if (slot == 0) {
        slot_ = 0;
        return StartResult::TableFull;
    }
    slot_ = slot;
    run_ = std::make_unique<Run>();
    run_->control.setRandomOrder(setup.randomOrder);
    Run* run = run_.get();
    run->thread = std::jthread([this, run, slot, setup = std::move(setup)] {
        GeneratorOutcome outcome = GeneratorOutcome::Failed;
        try {
            // The word lists are copied here, on the worker, not on the window's thread.
            OsmGenerator generator(setup, random_, listener_, run->control);
            generator.setMinimumPassTime(kMinimumPassTime);
            outcome = generator.generate();
        } catch (const std::exception&) {
            // Out of memory or the like: the window must still leave its generating state.
            listener_.reportFailure();
        }
        run->outcome.store(outcome);
        table_.release(slot);
        run->ended.store(true);
    });
    return StartResult::Started;
}

void Tosm::requestStop() {
    if (run_) run_->control.requestStop();
}

void Tosm::stop() {
    if (!run_) return;
    run_->control.requestStop();
    if (run_->thread.joinable()) run_->thread.join();
}

void Tosm::setRandomOrder(bool randomOrder) {
    if (run_) run_->control.setRandomOrder(randomOrder);
}

bool Tosm::running() const { return run_ && !run_->ended.load(); }

std::optional<GeneratorOutcome> Tosm::outcome() const {
    if (!run_ || !run_->ended.load()) return std::nullopt;
    return run_->outcome.load();
}
