#!/usr/bin/python3
"""Public holidays by Debian's python3-holidays, the independent list the holiday rules are
checked against: one line per region code and year, the dates of that year."""

import holidays, sys
regions = {"US": lambda y: holidays.US(years=y), "AT": lambda y: holidays.Austria(years=y),
           "FR": lambda y: holidays.France(years=y),
           "FR-AM": lambda y: holidays.France(prov="Alsace-Moselle", years=y)}
for p in holidays.Germany.PROVINCES:
    regions["DE-" + p] = (lambda p: lambda y: holidays.Germany(prov=p, years=y))(p)
for code, make in sorted(regions.items()):
    for year in range(2014, 2101):
        print(code, year, " ".join(sorted(str(d) for d in make(year).keys() if d.year == year)))
