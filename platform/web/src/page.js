// What the program's platform layer asks of the page. The program never is
// called from an event handler: handlers queue events, and the program's
// innermost modal run, asleep in vidad_wait_event, takes them in order.
mergeInto(LibraryManager.library, {
  $Page__deps: ['$Layout'],
  $Page: {
    elements: [null],
    free: [],
    queue: [],
    wake: null,
    menuAt: null,

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

    // Queues an event for the program, waking its run if it sleeps.
    post: function(kind, window, argument) {
      Page.queue.push([kind, window, argument]);
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

    windowOf: function(element) {
      return element.closest('dialog.window');
    },

    // The window's default push button, pressed by Enter.
    defaultButton: function(window) {
      return window.querySelector('button.default');
    },

    onKeyDown: function(window, event) {
      const handle = window.vidadHandle;
      if (event.key === 'Escape') {
        event.preventDefault();
        Page.post(1, handle, 2);
      } else if (event.key === 'Enter') {
        // Enter presses the push button that has the focus, else the
        // default one, as the dialog manager does.
        const focused = event.target.closest('button[data-id]');
        const button = focused && window.contains(focused) ? focused : Page.defaultButton(window);
        if (button) {
          event.preventDefault();
          Page.post(1, handle, Number(button.dataset.id));
        }
      } else if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
        event.preventDefault();
        const box = event.target.getBoundingClientRect();
        Page.askMenu(handle, box.left + box.width / 2, box.top + box.height / 2);
      }
    },

    askMenu: function(handle, x, y) {
      if (Page.menuAt) {
        return;
      }
      Page.menuAt = {x, y};
      Page.post(3, handle, 0);
    },

    // Typing takes digits only; pasted and dropped text goes in whole, for
    // the program's parse to judge.
    digitsOnly: function(event) {
      if (event.inputType === 'insertText' && /[^0-9]/.test(event.data || '')) {
        event.preventDefault();
      }
    },

    // The focus goes back to the control that had it before the menu
    // opened, unless a click has put it elsewhere. Closing may blur the
    // menu's focused item, whose handler closes it again.
    closeMenu: function() {
      const menu = Page.menu;
      const back = Page.menuReturn;
      Page.menu = null;
      Page.menuReturn = null;
      Page.menuAt = null;
      if (!menu) {
        return;
      }
      const hadFocus = menu.contains(document.activeElement);
      menu.remove();
      if (back && (hadFocus || document.activeElement === document.body)) {
        back.focus();
      }
    },

    chooseMenuItem: function(window, item) {
      Page.closeMenu();
      Page.post(2, window, Number(item.dataset.command));
    },

    // A finger held still on the window's face for a while opens its menu
    // where it is, as iOS sends no contextmenu for it; the click its
    // release may bring is not a click. Fields keep their own long press,
    // which offers to paste, and the open menu its own.
    longPressMs: 500,
    // CSS pixels a finger may wander while it is held still.
    longPressSlop: 10,

    watchLongPress: function(window, handle) {
      let press = null;
      const cancel = () => {
        if (press) {
          clearTimeout(press.timer);
          press = null;
        }
      };
      window.addEventListener('pointerdown', (event) => {
        cancel();
        window.vidadLongPressed = false;
        if (event.pointerType === 'mouse' || !event.isPrimary ||
            event.target.closest('input, .menu')) {
          return;
        }
        const x = event.clientX;
        const y = event.clientY;
        press = {x, y, timer: setTimeout(() => {
          press = null;
          window.vidadLongPressed = true;
          Page.askMenu(handle, x, y);
        }, Page.longPressMs)};
      });
      window.addEventListener('pointermove', (event) => {
        const moved = press && Math.hypot(event.clientX - press.x, event.clientY - press.y);
        if (moved > Page.longPressSlop) {
          cancel();
        }
      });
      window.addEventListener('pointerup', cancel);
      window.addEventListener('pointercancel', cancel);
      window.addEventListener('click', (event) => {
        if (window.vidadLongPressed) {
          window.vidadLongPressed = false;
          event.stopImmediatePropagation();
          event.preventDefault();
        }
      }, true);
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

  vidad_start_page__deps: ['$Page'],
  vidad_start_page: function() {
    return Asyncify.handleSleep((wakeUp) => {
      Page.mark('vidad-program-started');
      Page.setState('loading');
      Layout.watch();
      // Keys that reach no control, as after a click beside the dialog, go
      // to the topmost window, which on a desktop would have kept the focus.
      document.addEventListener('keydown', (event) => {
        const windows = document.querySelectorAll('dialog.window[open]');
        if (event.target === document.body && windows.length) {
          Page.onKeyDown(windows[windows.length - 1], event);
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

  vidad_create_window__deps: ['$Page'],
  vidad_create_window: function(templateId, modal, clientWidth, clientHeight, pixelSize) {
    const window = document.createElement('dialog');
    window.className = 'window';
    window.dataset.template = templateId;
    window.innerHTML = '<div class="titlebar"><span class="icon hit" hidden><img alt=""></span>' +
        '<span class="caption"></span>' +
        '<button type="button" class="close hit" tabindex="-1" aria-label="关闭">✕</button>' +
        '</div>' +
        '<div class="client"></div>';
    const caption = window.querySelector('.caption');
    caption.id = 'caption-' + templateId;
    window.setAttribute('aria-labelledby', caption.id);
    const client = window.querySelector('.client');
    client.style.width = clientWidth + 'px';
    client.style.height = clientHeight + 'px';
    client.style.font = Page.font(pixelSize);
    const handle = Page.add(window);
    window.vidadModal = !!modal;
    window.addEventListener('keydown', (event) => Page.onKeyDown(window, event));
    window.addEventListener('cancel', (event) => event.preventDefault());
    window.querySelector('.close').addEventListener(
        'click', () => Page.post(2, handle, 0xF060));
    // A click on the window's face leaves the focus where it is, as a
    // dialog's background takes no focus.
    window.addEventListener('mousedown', (event) => {
      if (!event.target.closest('button, input, [role=menuitem]')) {
        event.preventDefault();
      }
    });
    window.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      Page.askMenu(handle, event.clientX, event.clientY);
    });
    Page.watchLongPress(window, handle);
    // The title bar's icon opens the window menu under it; a click beside
    // a field, on its hit area, puts the focus in it.
    window.addEventListener('click', (event) => {
      const button = event.target.closest('button[data-id]');
      const icon = event.target.closest('.titlebar .icon');
      const field = event.target.closest('.field');
      if (button && window.contains(button)) {
        Page.post(1, handle, Number(button.dataset.id));
      } else if (icon) {
        const at = Layout.box(icon);
        Page.askMenu(handle, at.left, Layout.box(icon.parentElement).bottom);
      } else if (field && event.target === field) {
        field.querySelector('input').focus();
      }
    });
    document.getElementById('desktop').append(window);
    return handle;
  },

  vidad_show_window__deps: ['$Page'],
  vidad_show_window: function(handle) {
    const window = Page.elements[handle];
    if (window.vidadModal) {
      window.showModal();
    } else {
      window.show();
    }
    Layout.arrange();
    Page.mark('vidad-dialog-shown');
    if (window.vidadFocus) {
      window.vidadFocus.focus();
    }
  },

  vidad_set_window_icon__deps: ['$Page'],
  vidad_set_window_icon: function(handle, id) {
    const element = Page.elements[handle];
    if (element instanceof HTMLImageElement) {
      element.src = Page.iconUrl(id, 32);
      return;
    }
    const icon = element.querySelector('.titlebar .icon');
    icon.firstChild.src = Page.iconUrl(id, 16);
    icon.hidden = false;
    if (!element.vidadModal) {
      document.querySelector('link[rel=icon]').href = Page.iconUrl(id, 32);
    }
  },

  vidad_create_control__deps: ['$Page', '$DevicePixels'],
  vidad_create_control: function(handle, controlClass, id, style, x, y, width, height) {
    const kVisible = 0x10000000;
    const kDefPushButton = 0x1;
    const kNumber = 0x2000;
    let control;
    // What the client area holds: the control, or a field's frame, which
    // carries its hit area, as a field has no ::before of its own.
    let outer;
    switch (controlClass) {
      case 0:
        control = document.createElement('button');
        control.type = 'button';
        control.className = 'hit';
        control.classList.toggle('default', (style & kDefPushButton) !== 0);
        break;
      case 1:
        control = document.createElement('input');
        control.type = 'text';
        control.autocomplete = 'off';
        control.spellcheck = false;
        if (style & kNumber) {
          control.inputMode = 'numeric';
          control.addEventListener('beforeinput', Page.digitsOnly);
        }
        outer = document.createElement('span');
        outer.className = 'field hit';
        outer.append(control);
        control.vidadOuter = outer;
        break;
      case 3:
        control = document.createElement('img');
        control.alt = '';
        break;
      case 4:
        control = document.createElement('canvas');
        control.setAttribute('role', 'img');
        control.width = 0;
        control.height = 0;
        control.vidadRect = [x, y, width, height];
        DevicePixels.observe(control);
        break;
      default:
        control = document.createElement('div');
        control.className = 'static';
    }
    if (id !== -1) {
      control.dataset.id = id;
    }
    outer = outer || control;
    outer.hidden = (style & kVisible) === 0;
    Object.assign(outer.style, {
      left: x + 'px', top: y + 'px', width: width + 'px', height: height + 'px',
    });
    Page.elements[handle].querySelector('.client').append(outer);
    return Page.add(control);
  },

  vidad_append_control__deps: ['$Page'],
  vidad_append_control: function(handle, control) {
    const element = Page.elements[control];
    Page.elements[handle].querySelector('.client').append(element.vidadOuter || element);
  },

  vidad_focus__deps: ['$Page'],
  vidad_focus: function(handle) {
    // A window not yet shown takes the focus where it was put once it is.
    const element = Page.elements[handle];
    const window = Page.windowOf(element);
    if (window && !window.open) {
      window.vidadFocus = element;
    } else {
      element.focus();
    }
  },

  vidad_remove__deps: ['$Page', '$DevicePixels'],
  vidad_remove: function(handle) {
    const element = Page.elements[handle];
    if (!element) {
      return;
    }
    if (element instanceof HTMLDialogElement && element.open) {
      element.close();
    }
    DevicePixels.unobserve(element);
    (element.vidadOuter || element).remove();
    Page.elements[handle] = null;
    Page.free.push(handle);
  },

  vidad_set_text__deps: ['$Page'],
  vidad_set_text: function(handle, text, length) {
    const element = Page.elements[handle];
    if (!element) {
      return;
    }
    const value = Page.text(text, length);
    if (element instanceof HTMLInputElement) {
      element.value = value;
    } else if (element instanceof HTMLDialogElement) {
      element.querySelector('.caption').textContent = value;
      if (!element.vidadModal) {
        document.title = value;
      }
    } else {
      element.textContent = value;
    }
  },

  vidad_get_text__deps: ['$Page'],
  vidad_get_text: function(handle, text, capacity) {
    const element = Page.elements[handle];
    const value = element ? (element.value !== undefined ? element.value : element.textContent) : '';
    const start = text >> 1;
    for (let i = 0; i < Math.min(capacity, value.length); ++i) {
      HEAPU16[start + i] = value.charCodeAt(i);
    }
    return value.length;
  },

  vidad_set_aria__deps: ['$Page'],
  vidad_set_aria: function(handle, which, text, length) {
    const element = Page.elements[handle];
    if (!element) {
      return;
    }
    const name = which === 0 ? 'aria-label' : 'aria-description';
    if (length) {
      element.setAttribute(name, Page.text(text, length));
    } else {
      element.removeAttribute(name);
    }
  },

  vidad_fit_canvas__deps: ['$Page', '$DevicePixels'],
  vidad_fit_canvas: function(handle, fitted) {
    const canvas = Page.elements[handle];
    let size = [0, 0, 1];
    if (canvas instanceof HTMLCanvasElement) {
      const [width, height] = DevicePixels.size(canvas);
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      size = [width, height, DevicePixels.pixelBlock(canvas)];
    }
    HEAP32.set(size, fitted >> 2);
  },

  vidad_put_pixels__deps: ['$Page'],
  vidad_put_pixels: function(handle, pixels, width, height) {
    const canvas = Page.elements[handle];
    if (!canvas || width === 0 || height === 0) {
      return;
    }
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(bytes.slice(), width, height), 0, 0);
  },

  vidad_clear_painting__deps: ['$Page'],
  vidad_clear_painting: function(handle) {
    const element = Page.elements[handle];
    if (element instanceof HTMLDialogElement) {
      element.querySelectorAll('.client > .painted').forEach((painted) => painted.remove());
    }
  },

  vidad_text_out__deps: ['$Page'],
  vidad_text_out: function(handle, x, y, text, length, opaque) {
    const element = Page.elements[handle];
    if (!(element instanceof HTMLDialogElement)) {
      return;
    }
    const span = document.createElement('span');
    span.className = 'painted text-out' + (opaque ? ' opaque' : '');
    span.style.left = x + 'px';
    span.style.top = y + 'px';
    span.textContent = Page.text(text, length);
    element.querySelector('.client').prepend(span);
  },

  vidad_draw_icon__deps: ['$Page'],
  vidad_draw_icon: function(handle, x, y, id) {
    const element = Page.elements[handle];
    if (!(element instanceof HTMLDialogElement)) {
      return;
    }
    const image = document.createElement('img');
    image.className = 'painted';
    image.alt = '';
    image.src = Page.iconUrl(id, 32);
    image.style.left = x + 'px';
    image.style.top = y + 'px';
    element.querySelector('.client').prepend(image);
  },

  vidad_menu_add__deps: ['$Page'],
  vidad_menu_add: function(handle, commandId, text, length) {
    let menu = Page.pendingMenu;
    if (!menu) {
      menu = document.createElement('div');
      menu.className = 'menu';
      menu.setAttribute('role', 'menu');
      Page.pendingMenu = menu;
    }
    if (commandId === 0) {
      const separator = document.createElement('div');
      separator.setAttribute('role', 'separator');
      menu.append(separator);
    } else {
      const item = document.createElement('div');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.dataset.command = commandId >>> 0;
      // "&A" marks A as the item's access key: shown underlined.
      const label = Page.text(text, length);
      const mark = label.search(/&[^&]/);
      if (mark >= 0) {
        item.dataset.key = label[mark + 1].toLowerCase();
        item.append(label.slice(0, mark));
        const key = document.createElement('u');
        key.textContent = label[mark + 1];
        item.append(key, label.slice(mark + 2));
      } else {
        item.textContent = label;
      }
      menu.append(item);
    }
  },

  vidad_menu_show__deps: ['$Page'],
  vidad_menu_show: function(handle) {
    const menu = Page.pendingMenu;
    Page.pendingMenu = null;
    const at = Page.menuAt;
    if (!menu || !at) {
      Page.menuAt = null;
      return;
    }
    const window = Page.elements[handle];
    const items = [...menu.querySelectorAll('[role=menuitem]')];
    menu.addEventListener('click', (event) => {
      const item = event.target.closest('[role=menuitem]');
      if (item) {
        Page.chooseMenuItem(handle, item);
      }
    });
    menu.addEventListener('keydown', (event) => {
      event.stopPropagation();
      const current = items.indexOf(document.activeElement);
      const chosen = items.find((item) => item.dataset.key === event.key.toLowerCase());
      if (event.key === 'Escape') {
        Page.closeMenu();
      } else if (event.key === 'Enter' && current >= 0) {
        Page.chooseMenuItem(handle, items[current]);
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
        items[(current + step) % items.length].focus();
      } else if (chosen) {
        Page.chooseMenuItem(handle, chosen);
      }
      event.preventDefault();
    });
    menu.addEventListener('focusout', (event) => {
      if (!menu.contains(event.relatedTarget)) {
        Page.closeMenu();
      }
    });
    Page.menu = menu;
    Page.menuReturn = document.activeElement;
    window.append(menu);
    Layout.placeMenu(menu, at.x, at.y);
    items[0].focus();
  },

  vidad_message_box__deps: ['$Page'],
  vidad_message_box: function(text, length, caption, captionLength) {
    const box = document.createElement('dialog');
    box.className = 'window message';
    box.setAttribute('role', 'alertdialog');
    box.innerHTML = '<div class="titlebar"><span class="caption"></span></div>' +
        '<div class="body"><p class="text"></p>' +
        '<button type="button" class="default hit" data-id="1">确定</button></div>';
    const name = Page.text(caption, captionLength);
    box.querySelector('.caption').textContent = name;
    box.setAttribute('aria-label', name);
    box.querySelector('.text').textContent = Page.text(text, length);
    const handle = Page.add(box);
    box.addEventListener('cancel', (event) => event.preventDefault());
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        Page.post(1, handle, event.key === 'Enter' ? 1 : 2);
      }
    });
    box.querySelector('button').addEventListener('click', () => Page.post(1, handle, 1));
    document.getElementById('desktop').append(box);
    box.showModal();
    Layout.arrange();
    box.querySelector('button').focus();
    return handle;
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
