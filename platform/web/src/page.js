// What the program and the page share: the table of the page's elements,
// texts and numbers across the boundary, the queue of events and the
// program's start and end. The program never is called from an event
// handler: handlers queue events, and the program's innermost modal run,
// asleep in vidad_wait_event, takes them in order.
mergeInto(LibraryManager.library, {
  $Page: {
    elements: [null],
    free: [],
    queue: [],
    wake: null,
    numbers: null,

    add: function(element) {
      const handle = Page.free.length ? Page.free.pop() : Page.elements.length;
      Page.elements[handle] = element;
      element.vidadHandle = handle;
      return handle;
    },

    text: function(pointer, length) {
      const start = pointer >> 1;
      let text = '';
      for (let i = 0; i < length; i += 4096) {
        text += String.fromCharCode.apply(
            null, HEAPU16.subarray(start + i, start + Math.min(length, i + 4096)));
      }
      return text;
    },

    // The number the program's C++ names so below namespace platform
    // ('kIdOk', 'ws::kVisible'), as it handed them over at its start.
    number: function(name) {
      const value = Page.numbers[name];
      if (value === undefined) {
        throw new Error('the program hands over no number ' + name);
      }
      return value;
    },

    setState: function(state) {
      document.body.dataset.program = state;
      if (state === 'waiting') {
        Page.mark('vidad-waiting');
      }
    },

    // The start's phases, each marked when it is first reached, for the
    // start-up benchmark.
    mark: function(phase) {
      if (!performance.getEntriesByName(phase).length) {
        performance.mark(phase);
      }
    },

    // Queues an event of the kind named as web::EventKind names it for the
    // program, waking its run if it sleeps.
    post: function(kind, window, argument) {
      Page.queue.push([Page.number(kind), window, argument]);
      Page.setState('busy');
      const wake = Page.wake;
      if (wake) {
        Page.wake = null;
        wake();
      }
    },

    // The program's dialog font, at a size in CSS pixels.
    font: function(pixelSize) {
      return pixelSize + 'px vidad';
    },

    measure: function() {
      Page.context = Page.context || document.createElement('canvas').getContext('2d');
      return Page.context;
    },

    // An icon's image, found as the program's other files are.
    iconUrl: function(id, size) {
      return locateFile('icons/' + id + '/' + size + '.png');
    },
  },

  vidad_wait_event__deps: ['$Page'],
  vidad_wait_event: function(event) {
    return Asyncify.handleSleep((wakeUp) => {
      const take = () => {
        const next = Page.queue.shift();
        HEAP32.set(next, event >> 2);
        wakeUp(0);
      };
      if (Page.queue.length) {
        take();
      } else {
        Page.setState('waiting');
        Page.wake = take;
      }
    });
  },

  vidad_start_page__deps: ['$Page', '$Layout', '$Windows'],
  vidad_start_page: function(numbers, length) {
    return Asyncify.handleSleep((wakeUp) => {
      Page.mark('vidad-program-started');
      Page.numbers = JSON.parse(Page.text(numbers, length));
      Page.setState('loading');
      Layout.watch();
      // Keys that reach no control, as after a click beside the dialog, go
      // to the topmost window, which on a desktop would have kept the focus.
      document.addEventListener('keydown', (event) => {
        const windows = document.querySelectorAll('dialog.window[open]');
        if (event.target === document.body && windows.length) {
          Windows.onKeyDown(windows[windows.length - 1], event);
        }
      });
      const ready = () => {
        Page.mark('vidad-font-ready');
        wakeUp(0);
      };
      document.fonts.load(Page.font(12), '确定').then(ready, ready);
    });
  },

  vidad_letters_width__deps: ['$Page'],
  vidad_letters_width: function(pixelSize) {
    const context = Page.measure();
    context.font = Page.font(pixelSize);
    return Math.round(context.measureText(
        'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz').width);
  },

  vidad_font_height__deps: ['$Page'],
  vidad_font_height: function(pixelSize) {
    const context = Page.measure();
    context.font = Page.font(pixelSize);
    const metrics = context.measureText('确定');
    return Math.ceil(metrics.fontBoundingBoxAscent) + Math.ceil(metrics.fontBoundingBoxDescent);
  },

  vidad_local_date: function(date) {
    const today = new Date();
    HEAP32.set([today.getFullYear(), today.getMonth() + 1, today.getDate()], date >> 2);
  },

  vidad_program_ended__deps: ['$Page'],
  vidad_program_ended: function() {
    Page.setState('ended');
    document.getElementById('ended').hidden = false;
    document.getElementById('restart').focus();
  },
});
