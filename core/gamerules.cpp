#include "core/gamerules.h"

#include "core/errors.h"

void GameRules::gsInitVar() { gsRaiseNotSupported(); }
void GameRules::gsInitCardPsns() { gsRaiseNotSupported(); }
void GameRules::gsInitNewGame() { gsRaiseNotSupported(); }
void GameRules::gsDrawCards() { gsRaiseNotSupported(); }
int GameRules::gintfGetSelectedCard(float, float, bool, int&) { gsRaiseNotSupported(); }
void GameRules::gsGetNewPsn(int, int&, int&) { gsRaiseNotSupported(); }
void GameRules::gsDrawCardBorder() { gsRaiseNotSupported(); }
void GameRules::gsPlaceCard(float, float, int, int, int, int, bool&, bool&, int&) { gsRaiseNotSupported(); }
bool GameRules::gblnfGameOver() { gsRaiseNotSupported(); }
void GameRules::gsDealCard(bool&, bool&, int&) { gsRaiseNotSupported(); }
void GameRules::gsUndo(bool&, bool&, int&) { gsRaiseNotSupported(); }

TableDescription GameRules::describeTable() const
{
    try {
        TableDescription table = placesOnTable();
        gsFillShown(table);
        return table;
    } catch (...) {
        return {};
    }
}

std::vector<QPoint> GameRules::hotSpots() const
{
    std::vector<QPoint> spots;
    for (const TableSpot& spot : gvecfTableSpots(describeTable()))
        if (spot.canPick || spot.canDrop)
            spots.push_back(spot.rect.topLeft());
    return spots;
}
