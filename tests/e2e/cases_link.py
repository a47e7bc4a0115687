"""End-to-end cases of the guidance: the labels as drawn, and the forum link followed by the pointer
and opened in the browser."""
from cases_controls import buttons, tab_to_button2, wait_focus
from cases_window import end_with_escape, only_the_main_window, start_main
from harness import case, check, check_equal

FORUM = 'http://www.kelvaro.com/'
RED, HOVER, VISITED, BLACK = (255, 0, 0), (51, 153, 255), (88, 48, 224), (0, 0, 0)


def link_of(w):
    return w.find('RtLink')


def click_link(s, link, repeat=1):
    s.click(link.rect[0] + link.rect[2] // 2, link.rect[1] + link.rect[3] // 2, repeat=repeat)


def leave(s, w):
    """The pointer onto the window's title bar, off the link."""
    s.point_at(w.rect[0] + 60, w.rect[1] + 8)


@case
def the_labels_and_the_link_show_their_colours(s):
    app, w = start_main(s)
    link = link_of(w)
    instruction = w.find('RtLabel', '点屏蔽广告，然后直接点保存，重启浏览器。')
    credit = w.find('RtLabel', '新手刚学，一键改hosts，感谢Kelvaro各路大神庇佑')
    leave(s, w)
    shot = s.wait_colour('at-rest', link.rect, RED)
    check_equal(s.colour_count(shot, link.rect, HOVER), 0, 'no hover colour at rest')
    check(s.colour_count(shot, instruction.rect, BLACK) >= 20, 'the instruction in black')
    check_equal(s.colour_count(shot, instruction.rect, RED), 0, 'no red in the instruction')
    check(s.colour_count(shot, credit.rect, RED) >= 20, 'the credit line in red')
    # No frame around the credit line, though its gradient frame colours are red: its edges show
    # the button face.
    x, y, wd, h = credit.rect
    edge = s.pixels(shot, x, y, wd, 1) + s.pixels(shot, x, y + h - 1, wd, 1)
    check_equal(sum(1 for p in edge if p == RED), 0, 'no red frame around the credit line')
    # Text on one line, centred from top to bottom: nothing drawn in the label's top and bottom rows.
    for label in (instruction, credit):
        x, y, wd, h = label.rect
        rows = s.pixels(shot, x, y, wd, 3) + s.pixels(shot, x, y + h - 3, wd, 3)
        check_equal(len(set(rows)), 1, f'{label}: top and bottom rows all background')
    s.point_at(link.rect[0] + link.rect[2] // 2, link.rect[1] + link.rect[3] // 2)
    shot = s.wait_colour('under-the-pointer', link.rect, HOVER)
    check_equal(s.colour_count(shot, link.rect, RED), 0, 'no red while the pointer is on the link')
    leave(s, w)
    s.wait_colour('left-unvisited', link.rect, RED)
    end_with_escape(s, app, w)


def open_by_clicking(s, repeat):
    """Clicks the link (twice for a double click); returns the program, its window, what the
    browser was asked to open, and the pointer gone, the link in its visited colour."""
    record = s.record_browser()
    app, w = start_main(s)
    link = link_of(w)
    click_link(s, link, repeat=repeat)
    s.wait(lambda t: s.opened(record), 'the browser asked to open the forum')
    if repeat == 1:
        s.wait_colour('pressed', link.rect, HOVER)  # the pointer still on it: hover wins
    leave(s, w)
    s.wait_colour('visited', link.rect, VISITED)
    return app, w, s.opened(record)


@case
def a_click_on_the_link_opens_the_forum_once_and_marks_it_visited(s):
    app, w, opened = open_by_clicking(s, 1)
    check_equal(opened, [FORUM], 'addresses opened')
    tree = s.tree()
    check(tree.top('RtWindow').find('RtLink').focus is False, 'the link takes no focus')
    check(buttons(tree.top('RtWindow'))[0].focus, '按钮1 keeps the focus')
    end_with_escape(s, app, w)


@case
def a_double_click_on_the_link_opens_the_forum_once(s):
    app, w, opened = open_by_clicking(s, 2)
    check_equal(opened, [FORUM], 'addresses opened by a double click')
    end_with_escape(s, app, w)


@case
def a_handler_returning_false_keeps_the_link_from_opening(s):
    record = s.record_browser()
    app, w = start_main(s, program='hosts-adblock-withheld.exe')
    link = link_of(w)
    click_link(s, link)
    # The Tab comes after the press in the queue; once it has moved the focus, the press is done.
    tab_to_button2(s, w)
    leave(s, w)
    shot = s.wait_colour('withheld', link.rect, RED)
    check_equal(s.colour_count(shot, link.rect, VISITED), 0, 'the link not marked visited')
    check_equal(s.opened(record), [], 'addresses opened')
    end_with_escape(s, app, w)


@case
def space_on_button2_does_nothing(s):
    app, w = start_main(s)
    tab_to_button2(s, w)
    s.keys('space', 'Tab', over=w)
    wait_focus(s, '屏蔽广告', 'the focus back on 按钮1')
    only_the_main_window(s, w, 'top-level windows of the program')
    end_with_escape(s, app, w)
