#include "net/net_play_port.h"

void NetPlayPort::Move_Transmit(bool endOfTurn) {
    const int from = g.PickSlot;
    if (!endOfTurn) return turns.Move_Transmit(from, g.PileSel);
    const bool discard = from >= kFirstHandSlot && from <= kLastHandSlot &&
                         g.DropSlot >= kFirstHoldSlot && g.DropSlot <= kLastHoldSlot;
    turns.Move_Transmit_Done(from, discard ? g.DropSlot : g.PileSel);
}
