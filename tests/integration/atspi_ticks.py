# A real AT-SPI client reading the song list's check cells: "one ROWS ROW NAME" (only ROW reads
# checked, its cell's name holds NAME) or "all ROWS" (every row reads checked).
import sys

import pyatspi


def find_table(node, depth=0):
    if node is None or depth > 40:
        return None
    if node.getRole() == pyatspi.ROLE_TABLE and node.name == "곡 목록":
        return node
    for i in range(node.childCount):
        found = find_table(node.getChildAtIndex(i), depth + 1)
        if found is not None:
            return found
    return None


def fail(why):
    print("atspi client:", why)
    sys.exit(1)


def main():
    step, rows = sys.argv[1], int(sys.argv[2])
    desktop = pyatspi.Registry.getDesktop(0)
    table = None
    for i in range(desktop.childCount):
        table = table or find_table(desktop.getChildAtIndex(i))
    if table is None:
        fail("no song list on the accessibility bus")
    cells = table.queryTable()
    if cells.nRows != rows:
        fail("%d rows, the list has %d" % (cells.nRows, rows))

    def checked(row, column):
        return cells.getAccessibleAt(row, column).getState().contains(pyatspi.STATE_CHECKED)

    # The bridge of Qt 6.4 does not pass "checkable" on: the check column is the one that reads
    # checked on a ticked row.
    first = 0 if step == "all" else int(sys.argv[3])
    check = [c for c in range(cells.nColumns) if checked(first, c)]
    if len(check) != 1:
        fail("row %d reads checked in columns %s" % (first, check))
    if step == "all":
        unticked = [r for r in range(rows) if not checked(r, check[0])]
        if unticked:
            fail("rows %s do not read checked after check-all" % unticked)
        return
    name = sys.argv[4]
    cell_name = cells.getAccessibleAt(first, check[0]).name
    if name not in cell_name:
        fail("the check cell's name %r says nothing of %r" % (cell_name, name))
    others = [r for r in range(rows) if r != first and checked(r, check[0])]
    if others:
        fail("unticked rows %s read checked" % others)


main()
