/* A weston module for the Wayland test: weston's headless back end has no
 * input devices, so this gives it a seat with a keyboard that types what a
 * test writes into a FIFO, and reports which window has the keyboard.  The
 * keys reach the program as ordinary wl_keyboard events, the same path a
 * real keyboard takes.
 *
 *   weston --backend=headless-backend.so --modules=<path>/weston_keys.so
 *
 * PILO_KEYS_FIFO: a FIFO; each line holds key names separated by blanks,
 *   like xdotool's: "7", "b", "Return", "Escape", "Tab", "Right", "alt",
 *   "ctrl+Tab", "shift+less".  Each name is pressed and released in turn;
 *   the parts of a name joined by "+" are pressed together.  Keys are held
 *   down a moment, as fingers do: a menu opened by a key press asks for its
 *   popup grab with that press's serial, which a release at once would
 *   already have replaced.
 * PILO_FOCUS_LOG: a file; every change of the keyboard focus appends a line
 *   "focus <window title>" ("focus" alone when no window has it).
 */
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>

#include <errno.h>
#include <fcntl.h>
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* Exported by libweston, declared only in its private back-end header. */
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec, const char* name);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
    enum wl_keyboard_key_state state, enum weston_key_state_update update_state);

/* One step of typing: a key going down or up. */
struct key_step {
    uint32_t code;
    enum wl_keyboard_key_state state;
};

enum { queue_size = 4096, step_ms = 60 };

struct key_feed {
    struct weston_compositor* compositor;
    struct wl_event_source* timer;
    struct key_step queue[queue_size];
    size_t head, count;
    struct weston_seat seat;
    struct wl_listener focus_listener;
    struct wl_event_source* source;
    int fd;
    char line[4096];
    size_t used;
    FILE* focus_log;
};

struct key_name {
    const char* name;
    uint32_t code;
};

static const struct key_name named_keys[] = {
    { "Return", KEY_ENTER },
    { "Escape", KEY_ESC },
    { "Tab", KEY_TAB },
    { "BackSpace", KEY_BACKSPACE },
    { "space", KEY_SPACE },
    { "Left", KEY_LEFT },
    { "Right", KEY_RIGHT },
    { "Up", KEY_UP },
    { "Down", KEY_DOWN },
    { "Home", KEY_HOME },
    { "End", KEY_END },
    { "F1", KEY_F1 },
    { "F10", KEY_F10 },
    { "alt", KEY_LEFTALT },
    { "ctrl", KEY_LEFTCTRL },
    { "shift", KEY_LEFTSHIFT },
    { "less", KEY_102ND },
    { "comma", KEY_COMMA },
    { "period", KEY_DOT },
    { "minus", KEY_MINUS },
};

/* Evdev codes of the letters in alphabetical order and of the digits 0-9. */
static const uint32_t letter_keys[26] = { KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H,
    KEY_I, KEY_J, KEY_K, KEY_L, KEY_M, KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U,
    KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z };
static const uint32_t digit_keys[10]
    = { KEY_0, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9 };

static uint32_t key_code(const char* name)
{
    size_t i;
    if (name[0] != '\0' && name[1] == '\0') {
        if (name[0] >= 'a' && name[0] <= 'z')
            return letter_keys[name[0] - 'a'];
        if (name[0] >= '0' && name[0] <= '9')
            return digit_keys[name[0] - '0'];
    }
    for (i = 0; i < sizeof named_keys / sizeof named_keys[0]; ++i) {
        if (strcmp(named_keys[i].name, name) == 0)
            return named_keys[i].code;
    }
    return 0;
}

static int on_timer(void* data)
{
    struct key_feed* feed = data;
    struct timespec now;
    if (feed->count == 0)
        return 0;
    const struct key_step step = feed->queue[feed->head];
    feed->head = (feed->head + 1) % queue_size;
    --feed->count;
    weston_compositor_get_time(&now);
    notify_key(&feed->seat, &now, step.code, step.state, STATE_UPDATE_AUTOMATIC);
    if (feed->count != 0)
        wl_event_source_timer_update(feed->timer, step_ms);
    return 0;
}

static void send_key(struct key_feed* feed, uint32_t code, enum wl_keyboard_key_state state)
{
    if (feed->count == queue_size)
        return;
    feed->queue[(feed->head + feed->count) % queue_size] = (struct key_step) { code, state };
    if (feed->count++ == 0)
        wl_event_source_timer_update(feed->timer, 1);
}

/* One name such as "ctrl+Tab": every part down in order, then up backwards. */
static void type_chord(struct key_feed* feed, char* chord)
{
    uint32_t codes[8];
    int count = 0, i;
    char* saved = NULL;
    for (char* part = strtok_r(chord, "+", &saved); part && count < 8;
         part = strtok_r(NULL, "+", &saved)) {
        const uint32_t code = key_code(part);
        if (code == 0) {
            weston_log("weston_keys: unknown key '%s'\n", part);
            return;
        }
        codes[count++] = code;
    }
    for (i = 0; i < count; ++i)
        send_key(feed, codes[i], WL_KEYBOARD_KEY_STATE_PRESSED);
    for (i = count - 1; i >= 0; --i)
        send_key(feed, codes[i], WL_KEYBOARD_KEY_STATE_RELEASED);
}

static void type_line(struct key_feed* feed, char* line)
{
    char* saved = NULL;
    for (char* name = strtok_r(line, " \t\r", &saved); name; name = strtok_r(NULL, " \t\r", &saved))
        type_chord(feed, name);
}

static int on_fifo(int fd, uint32_t mask, void* data)
{
    struct key_feed* feed = data;
    (void)mask;
    for (;;) {
        const ssize_t got = read(fd, feed->line + feed->used, sizeof feed->line - 1 - feed->used);
        if (got <= 0)
            break;
        feed->used += (size_t)got;
        char* end;
        while ((end = memchr(feed->line, '\n', feed->used)) != NULL) {
            *end = '\0';
            type_line(feed, feed->line);
            feed->used -= (size_t)(end + 1 - feed->line);
            memmove(feed->line, end + 1, feed->used);
        }
        if (feed->used == sizeof feed->line - 1)
            feed->used = 0; /* a line that long is no list of keys */
    }
    return 0;
}

static void on_focus(struct wl_listener* listener, void* data)
{
    struct key_feed* feed = wl_container_of(listener, feed, focus_listener);
    struct weston_keyboard* keyboard = data;
    const char* title = NULL;
    if (keyboard->focus && weston_surface_is_desktop_surface(keyboard->focus)) {
        struct weston_desktop_surface* surface
            = weston_surface_get_desktop_surface(keyboard->focus);
        title = weston_desktop_surface_get_title(surface);
    }
    if (feed->focus_log) {
        fprintf(feed->focus_log, title ? "focus %s\n" : "focus\n", title);
        fflush(feed->focus_log);
    }
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[])
{
    const char* fifo = getenv("PILO_KEYS_FIFO");
    const char* log = getenv("PILO_FOCUS_LOG");
    struct key_feed* feed;
    (void)argc;
    (void)argv;
    if (!fifo) {
        weston_log("weston_keys: PILO_KEYS_FIFO is not set\n");
        return -1;
    }
    feed = calloc(1, sizeof *feed);
    if (!feed)
        return -1;
    feed->compositor = compositor;
    /* Read and write, so the FIFO never reports its end between two writers. */
    feed->fd = open(fifo, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (feed->fd < 0) {
        weston_log("weston_keys: cannot open %s: %s\n", fifo, strerror(errno));
        free(feed);
        return -1;
    }
    feed->focus_log = log ? fopen(log, "a") : NULL;

    weston_seat_init(&feed->seat, compositor, "default");
    if (weston_seat_init_keyboard(&feed->seat, NULL) < 0) {
        weston_log("weston_keys: no keyboard\n");
        return -1;
    }
    feed->focus_listener.notify = on_focus;
    wl_signal_add(&weston_seat_get_keyboard(&feed->seat)->focus_signal, &feed->focus_listener);
    struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    feed->timer = wl_event_loop_add_timer(loop, on_timer, feed);
    feed->source = wl_event_loop_add_fd(loop, feed->fd, WL_EVENT_READABLE, on_fifo, feed);
    return feed->source && feed->timer ? 0 : -1;
}
