// Placeholder: the encoding table lands here.
