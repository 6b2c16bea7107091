// Reference action counts of the two sides of a battle, shown by the system
// settings: 1000 points make one action.
#pragma once

// Time mode: the sides share 200 points per tick in proportion to their
// agility shares and start with their initial values; with `interceptorWaits`
// the interceptor gains nothing until the attacker has acted once. Pairs are
// (attacker, interceptor). Shares that sum to 0 or less give (0.0, 0.0); an attacker
// that never gains while the interceptor waits gives the interceptor 0.0.
void CalcActionCountsByTime(double result[2], int ticks, const int initial[2], const int shares[2],
                            int interceptorWaits);
// Simple mode: the fixed counts as doubles.
void CalcActionCountsSimple(double result[2], const int counts[2]);
