// The controls of a window's client area, built for their template's class
// and style, and the texts of windows and controls.
mergeInto(LibraryManager.library, {
  $Controls: {
    // Typing takes digits only; pasted and dropped text goes in whole, for
    // the program's parse to judge.
    digitsOnly: function(event) {
      if (event.inputType === 'insertText' && /[^0-9]/.test(event.data || '')) {
        event.preventDefault();
      }
    },
  },

  vidad_create_control__deps: ['$Page', '$Controls', '$DevicePixels'],
  vidad_create_control: function(handle, controlClass, id, style, x, y, width, height) {
    let control;
    // What the client area holds: the control, or a field's frame, which
    // carries its hit area, as a field has no ::before of its own.
    let outer;
    switch (controlClass) {
      case Page.number('ControlClass::Button'):
        control = document.createElement('button');
        control.type = 'button';
        control.className = 'hit';
        control.classList.toggle('default', (style & Page.number('bs::kDefPushButton')) !== 0);
        break;
      case Page.number('ControlClass::Edit'):
        control = document.createElement('input');
        control.type = 'text';
        control.autocomplete = 'off';
        control.spellcheck = false;
        if (style & Page.number('es::kNumber')) {
          control.inputMode = 'numeric';
          control.addEventListener('beforeinput', Controls.digitsOnly);
        }
        outer = document.createElement('span');
        outer.className = 'field hit';
        outer.append(control);
        control.vidadOuter = outer;
        break;
      case Page.number('web::kIconControl'):
        control = document.createElement('img');
        control.alt = '';
        break;
      case Page.number('web::kCanvasControl'):
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
    outer.hidden = (style & Page.number('ws::kVisible')) === 0;
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

  vidad_focus__deps: ['$Page', '$Windows'],
  vidad_focus: function(handle) {
    // A window not yet shown takes the focus where it was put once it is.
    const element = Page.elements[handle];
    const window = Windows.windowOf(element);
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
    const name = which === Page.number('web::kAriaLabel') ? 'aria-label' : 'aria-description';
    if (length) {
      element.setAttribute(name, Page.text(text, length));
    } else {
      element.removeAttribute(name);
    }
  },
});
