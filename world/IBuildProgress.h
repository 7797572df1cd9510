// One production slot of a producing building: a product is paid bit by bit over its build time, and
// time only advances while the side can pay for it.
#pragma once

#include "world/SideTable.h"
#include "world/World.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace Vorn {

// Plain state only (besides the world that pays), so a saved game can hold a slot as it stands. The
// building supplies the catalogue answers for its product family T.
template <typename T> class IBuildProgress {
public:
    IBuildProgress(World* world, int side) : world(world), side(side) {}
    IBuildProgress(const IBuildProgress&) = delete;
    IBuildProgress& operator=(const IBuildProgress&) = delete;
    virtual int Price(T product) const = 0;
    virtual int BuildTime(T product) const = 0;
    virtual float Size(T product) const = 0;
    virtual ~IBuildProgress() = default;

    // Begins a product afresh; whatever an earlier product paid is no longer this slot's.
    void StartProduction(T product) {
        active = true;
        type = product;
        elapsed = 0;
        pending = 0;
        paid = 0;
        price = Price(product);
        buildTime = BuildTime(product);
        readyTaken = false;
    }

    // Pays for dt more milliseconds of production when the side can afford the instalment. The price is
    // multiplied by the time in 64 bits and the time is capped at the build time: after a long stall for
    // money the product never costs more than its price, and never less than what was already paid. An
    // instalment refused to a side at 9 or less reports that its money ran out, once until it recovers.
    void PaymentStep(unsigned dt) {
        SideRecord& account = world->sides[side];
        if (!IsComplete())
            account.productionWanting = true;
        std::uint64_t t = std::uint64_t{elapsed} + pending + dt;
        if (buildTime > 0)
            t = std::min<std::uint64_t>(t, static_cast<std::uint64_t>(buildTime));
        std::int64_t target = price;
        if (buildTime > 0)
            target = std::int64_t{price} * static_cast<std::int64_t>(t) / buildTime;
        target = std::min<std::int64_t>(target, price);
        pending = static_cast<unsigned>(
            std::min<std::uint64_t>(std::uint64_t{pending} + dt, std::numeric_limits<unsigned>::max()));
        const std::int64_t amount = target - paid;
        const bool refused = amount != 0 && account.money < amount;
        if (amount != 0 && !refused) {
            account.money -= static_cast<int>(amount);
            paid = static_cast<int>(target);
            elapsed = static_cast<unsigned>(t);
            pending = 0;
        }
        // A side this poor forgets the time it waited.
        if (account.money <= 9) {
            pending = 0;
            if (refused && !account.outOfMoney) {
                account.outOfMoney = true;
                ReportAtProducer(WorldEventKind::MoneyRunningOut, 0);
            }
        }
    }

    float Progress() const { return buildTime <= 0 ? 1.0f : static_cast<float>(elapsed) / buildTime; }
    bool IsComplete() const { return buildTime <= 0 || elapsed >= static_cast<unsigned>(buildTime); }
    // The armour and turret of a tank, and a tower's turret, wait while their main part is under way.
    bool LetsNextPartAdvance() const { return buildTime <= 0 || elapsed == 0 || IsComplete(); }

    // Gives back what the running product paid and empties the slot. A slot that is not running holds no
    // money of the side (its product was delivered or already refunded), so it gives nothing.
    void CancelProduction() {
        if (active)
            world->sides[side].money += paid;
        Clear();
    }
    // The product was delivered or placed: the slot is free and its money spent.
    void Clear() {
        active = false;
        elapsed = 0;
        pending = 0;
        paid = 0;
        readyTaken = false;
    }
    // True once per product: the first time it is asked while the slot holds its product finished.
    bool TakeReady() {
        if (!active || !IsComplete() || readyTaken)
            return false;
        readyTaken = true;
        return true;
    }
    // Reports the event at the building the slot belongs to (every slot is a base of its building).
    void ReportAtProducer(WorldEventKind kind, int detail) const {
        WorldEvent event;
        event.kind = kind;
        event.side = side;
        event.detail = detail;
        if (const auto* producer = dynamic_cast<const Object*>(this)) {
            event.x = producer->x;
            event.y = producer->y;
            event.subject = producer->Serial();
        }
        world->Report(event);
    }

    World* world;
    int side;
    bool active = false;
    T type{};
    // Milliseconds of paid production.
    unsigned elapsed = 0;
    // Milliseconds waiting to be paid.
    unsigned pending = 0;
    int paid = 0;
    int price = 0;
    int buildTime = 1;
    // Whether the finished product was announced.
    bool readyTaken = false;
};

} // namespace Vorn
